#pragma once

#include "data/maintenance/OlderDataImport.h"

#include <QString>
#include <optional>

struct AppContext;

// The import of an older version's data: offered at the first show of the main window when an
// older installation left its record and its data has not been imported yet, or started by hand
// on a data file the operator chooses. The copy lands whole or not at all; the older record is
// marked imported only after it landed.
class UpgradeForm
{
public:
    static inline const QString OlderProduct = QStringLiteral("Vantrel1.2");
    static inline const QString OlderVersion = QStringLiteral("1.2");
    static inline const QString ImportedMark = QStringLiteral("Yes");
    static inline const QString OfferMessage = QStringLiteral("在您的电脑中检测到旧的《Corvane》版本，是否升级旧版数据？");
    // %1: the chosen file.
    static inline const QString ChosenMessage = QStringLiteral("从旧版数据文件导入数据：%1");
    static inline const QString DoneMessage = QStringLiteral("数据升级完毕！");
    static inline const QString FailedMessage = QStringLiteral("数据升级没有完成，现有数据没有任何改动。");
    static inline const QString UnmarkedMessage =
        QStringLiteral("数据已经升级，但无法在安装记录中记下这一点：下次启动时还会提示升级，请选择“取消”，以免数据重复。");
    static inline const QString ChooseCaption = QStringLiteral("选择旧版数据文件");
    static inline const QString ChooseFilter = QStringLiteral("旧版数据文件 (*.mdb);;所有文件 (*)");
    // The declarations the main window runs: the check at its first show, and the menu item.
    static inline const QString CheckEntry = QStringLiteral("升级数据");
    static inline const QString ChooseEntry = QStringLiteral("导入旧版数据");

    // chosenFile: a data file chosen by hand; empty for the older installation's own.
    explicit UpgradeForm(AppContext &ctx, const QString &chosenFile = QString()) : m_ctx(ctx), m_chosen(chosenFile) {}

    // The older installation's data file, when its import is to be offered: the record is there
    // with "Ver" "1.2", "upgrade" is not "Yes", and its folder holds the data file.
    std::optional<QString> offeredFile() const;
    // Asks for an older data file; empty when the operator cancels.
    static QString chooseFile(AppContext &ctx);
    QString message() const;

    // "确定[&O]": copies the data and tells how it went. False when the copy failed (the reason
    // shown, nothing changed).
    bool run(const OlderDataImport::Progress &progress);

private:
    // The data file the older record names, when the record is there with version "1.2".
    std::optional<QString> recordedFile() const;

    AppContext &m_ctx;
    QString m_chosen;
};
