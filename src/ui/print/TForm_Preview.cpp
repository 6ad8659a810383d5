#include "ui/print/TForm_Preview.h"

#include "forms/app/Prompter.h"
#include "print/print/ReportLayout.h"
#include "print/print/ReportPainter.h"
#include "ui/app/TForm_Importprocess.h"
#include "ui/kit/ScreenKit.h"
#include "ui/print/PreviewPageView.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
const QString NoPrinter = QStringLiteral("默认打印机不存在或者出现其它未知故障！");
const QString WaitPrint = QStringLiteral("请稍后打印，预览进行中...");
const QString WaitExit = QStringLiteral("请稍后退出，预览进行中...");
const QString WaitExport = QStringLiteral("请稍后导出，预览进行中...");

QString fileNameFrom(QString name)
{
    static const QString bad = QStringLiteral("/\\:*?\"<>|");
    for (QChar &ch : name)
        if (bad.contains(ch) || ch.unicode() < 0x20)
            ch = QLatin1Char('-');
    name = name.trimmed();
    return name.isEmpty() ? QStringLiteral("打印") : name;
}

// Documents longer than this show the progress window while they are printed or written.
constexpr int LongDocument = 20;
} // namespace

TForm_Preview::TForm_Preview(Prompter &prompter, std::shared_ptr<PageStore> store, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_prompter(prompter), m_store(std::move(store)), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setWindowTitle(QStringLiteral("打印"));
    // Opens filling the screen, also where no window manager maximises it.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const QList<QPair<QString, void (TForm_Preview::*)()>> buttons = {
        {QStringLiteral("原始大小"), &TForm_Preview::actualSize}, {QStringLiteral("适合宽度"), &TForm_Preview::fitWidth},
        {QStringLiteral("适合页面"), &TForm_Preview::fitPage},    {QStringLiteral("最前一页"), &TForm_Preview::firstPage},
        {QStringLiteral("前一页"), &TForm_Preview::previousPage}, {QStringLiteral("后一页"), &TForm_Preview::nextPage},
        {QStringLiteral("最后一页"), &TForm_Preview::lastPage},   {QStringLiteral("打印设置"), &TForm_Preview::printerSetup},
        {QStringLiteral("开始打印"), &TForm_Preview::print},      {QStringLiteral("退出"), &TForm_Preview::exit},
        {QStringLiteral("导出PDF"), &TForm_Preview::exportPdf},
    };
    // Every button runs behind the kit's boundary: a page read from the file may meet an error.
    m_keys = new ScreenKit(this, &m_prompter);
    for (const auto &[hint, slot] : buttons) {
        QAction *a = bar->addAction(hint);
        a->setToolTip(hint);
        a->setStatusTip(hint);
        connect(a, &QAction::triggered, this, [this, slot = slot] { m_keys->run([this, slot] { (this->*slot)(); }); });
        m_actions << a;
        if (hint == QStringLiteral("适合页面") || hint == QStringLiteral("最后一页") || hint == QStringLiteral("退出"))
            bar->addSeparator();
    }
    layout->addWidget(bar);

    m_scroll = new QScrollArea(this);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_view = new PreviewPageView;
    m_scroll->setWidget(m_view);
    layout->addWidget(m_scroll, 1);

    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    m_status = new QLabel(status);
    status->addWidget(m_status, 1);
    layout->addWidget(status);

    // The page takes the focus; the pages turn with Page Up/Down, Home and End, Ctrl+P prints,
    // Ctrl+S exports and Escape leaves, each as its tool button does.
    m_scroll->setFocusPolicy(Qt::StrongFocus);
    ScreenKit *keys = m_keys;
    keys->field(m_scroll);
    const QList<QPair<QKeySequence, void (TForm_Preview::*)()>> shortcuts = {
        {QKeySequence(Qt::Key_PageDown), &TForm_Preview::nextPage}, {QKeySequence(Qt::Key_PageUp), &TForm_Preview::previousPage},
        {QKeySequence(Qt::Key_Home), &TForm_Preview::firstPage},    {QKeySequence(Qt::Key_End), &TForm_Preview::lastPage},
        {QKeySequence(Qt::CTRL | Qt::Key_P), &TForm_Preview::print}, {QKeySequence(Qt::CTRL | Qt::Key_S), &TForm_Preview::exportPdf},
    };
    for (const auto &[sequence, slot] : shortcuts)
        keys->shortcut(this, sequence, [this, slot = slot] { (this->*slot)(); });

    connect(m_store.get(), &PageStore::progress, this, &TForm_Preview::onProgress);
    connect(m_store.get(), &PageStore::finished, this, &TForm_Preview::onProgress);
    connect(m_store.get(), &PageStore::failed, this, [this] {
        m_keys->run([this] { std::rethrow_exception(m_store->error()); });
    });
    m_keys->run([this] { onProgress(); });
}

TForm_Preview::~TForm_Preview() = default;

void TForm_Preview::showDocument(Prompter &prompter, const ReportLayout &layout, QWidget *parent)
{
    auto store = std::make_shared<PageStore>(layout.documentName);
    store->start(layout); // page 1 now, the rest counted once the window shows
    TForm_Preview preview(prompter, store, parent);
    preview.exec();
}

int TForm_Preview::pageCount() const
{
    return m_store->pageCount();
}

double TForm_Preview::zoom() const
{
    return m_view->zoom();
}

QString TForm_Preview::statusText() const
{
    return m_status->text();
}

QString TForm_Preview::statusFor(int pageCount, int current)
{
    return QStringLiteral("总") + QString::number(pageCount) + QStringLiteral("页，") + QStringLiteral("第")
           + QString::number(current) + QStringLiteral("页");
}

QAction *TForm_Preview::action(const QString &hint) const
{
    for (QAction *a : m_actions)
        if (a->toolTip() == hint)
            return a;
    return nullptr;
}

void TForm_Preview::setOutputFile(const QString &path)
{
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(path);
    m_toFile = true;
}

void TForm_Preview::actualSize()
{
    m_view->setZoom(1.0);
}

void TForm_Preview::fitWidth()
{
    const QSize page = m_view->pageSizeAt(1.0);
    const int available = m_scroll->viewport()->width() - 2;
    if (page.width() > 0 && available > 0)
        m_view->setZoom(double(available) / page.width());
}

void TForm_Preview::fitPage()
{
    const QSize page = m_view->pageSizeAt(1.0);
    const QSize available = m_scroll->viewport()->size() - QSize(2, 2);
    if (page.isEmpty() || available.isEmpty())
        return;
    m_view->setZoom(qMin(double(available.width()) / page.width(), double(available.height()) / page.height()));
}

void TForm_Preview::firstPage()
{
    goTo(1);
}

void TForm_Preview::previousPage()
{
    goTo(m_current - 1);
}

void TForm_Preview::nextPage()
{
    goTo(m_current + 1);
}

void TForm_Preview::lastPage()
{
    goTo(pageCount());
}

void TForm_Preview::goTo(int page)
{
    // Outside 1 … page count the preview stays where it is.
    if (page >= 1 && page <= pageCount() && page != m_current) {
        m_current = page;
        showPage();
    }
    updateStatus();
}

void TForm_Preview::showPage()
{
    m_view->setPage(m_store->page(m_current - 1));
    m_shown = m_current;
    m_scroll->horizontalScrollBar()->setValue(0);
    m_scroll->verticalScrollBar()->setValue(0);
}

void TForm_Preview::updateStatus()
{
    m_status->setText(statusFor(pageCount(), m_current));
}

void TForm_Preview::onProgress()
{
    if (m_shown == 0 && pageCount() >= m_current)
        showPage();
    updateStatus();
}

bool TForm_Preview::printerAvailable() const
{
    return m_toFile || !QPrinterInfo::availablePrinterNames().isEmpty();
}

void TForm_Preview::printerSetup()
{
    if (!printerAvailable()) {
        m_prompter.warning(NoPrinter);
        return;
    }
    QPrintDialog dialog(m_printer.get(), this);
    dialog.setWindowTitle(QStringLiteral("打印设置"));
    dialog.exec();
}

void TForm_Preview::print()
{
    if (!m_store->isFinished()) {
        m_prompter.information(WaitPrint);
        return;
    }
    if (!printerAvailable()) {
        m_prompter.warning(NoPrinter);
        return;
    }
    m_printer->setFullPage(true);
    m_printer->setDocName(m_store->documentName());
    if (!ReportPainter::render(allPages(), *m_printer))
        m_prompter.warning(NoPrinter);
}

void TForm_Preview::exit()
{
    if (!m_store->isFinished()) {
        m_prompter.information(WaitExit);
        return;
    }
    accept();
}

void TForm_Preview::exportPdf()
{
    if (!m_store->isFinished()) {
        m_prompter.information(WaitExport);
        return;
    }
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = QDir(dir).filePath(fileNameFrom(m_store->documentName()) + QStringLiteral(".pdf"));
    QString path = m_prompter.saveFileName(QStringLiteral("导出PDF"), proposed, QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (!ReportPainter::writePdf(allPages(), path, m_store->documentName()))
        m_prompter.error(QStringLiteral("PDF文件保存失败：") + QDir::toNativeSeparators(path));
    else
        m_prompter.information(QStringLiteral("PDF文件已保存：") + QDir::toNativeSeparators(path));
}

ReportPainter::Pages TForm_Preview::allPages()
{
    return [this](const std::function<bool(const ReportPage &, int)> &sink) {
        const int count = pageCount();
        std::unique_ptr<TForm_Importprocess> progress;
        if (count > LongDocument) {
            progress = std::make_unique<TForm_Importprocess>(this);
            progress->setRange(0, count);
            progress->show();
        }
        return m_store->forEachPage([&](const ReportPage &page, int index) {
            const bool more = sink(page, index);
            if (progress)
                progress->setValue(index + 1);
            return more;
        });
    };
}

void TForm_Preview::closeEvent(QCloseEvent *event)
{
    if (!m_store->isFinished()) {
        m_prompter.information(WaitExit);
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TForm_Preview::reject()
{
    if (!m_store->isFinished()) {
        m_prompter.information(WaitExit);
        return;
    }
    QDialog::reject();
}
