#pragma once

#include "data/app/WelcomeCounts.h"

#include <QString>
#include <optional>

struct AppContext;

// The welcome screen: the counts of waiting work, the go-to-panel setting and the picture.
class WelcomeForm
{
public:
    static inline const QString PanelKey = QStringLiteral("启动直接转到面板");
    static inline const QString PictureKey = QStringLiteral("界面图片路径");
    static inline const QString ReadFailed = QStringLiteral("获取设置信息失败！");
    static inline const QString WriteFailed = QStringLiteral("设置失败！");

    explicit WelcomeForm(AppContext &ctx) : m_ctx(ctx) {}

    // Reads the setting and the counts; false (message shown, nothing read) when the setting is
    // not exactly one row.
    bool load();
    bool panelAtStart = false;
    WelcomeCounts counts;

    QString checkCaption() const;
    QString repairCaption() const;
    QString chargeCaption() const;
    QString warningCaption() const;

    // Stores the check box; false (message shown) when the setting is not exactly one row.
    bool setPanelAtStart(bool on);

    // The picture to show: nullopt when the row is missing (keep what is shown), an empty text
    // when there is no picture file, else the file.
    std::optional<QString> picture() const;

    // The go-to-panel setting as the main window reads it at start; nullopt (message shown) when
    // the setting is not exactly one row.
    static std::optional<bool> readPanelAtStart(AppContext &ctx);

private:
    AppContext &m_ctx;
};
