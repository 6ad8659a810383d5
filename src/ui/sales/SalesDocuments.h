#pragma once

class QString;
class QWidget;
struct AppContext;

// The sales bill of a stored sale, read, laid out and shown in the print preview (modal).
namespace SalesDocuments {
// Nothing is shown for a number no sale carries.
void showSalesBill(AppContext &ctx, const QString &number, QWidget *parent = nullptr);
}
