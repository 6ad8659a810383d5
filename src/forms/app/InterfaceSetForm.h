#pragma once

#include <QString>

struct AppContext;

// The welcome-picture setting: the path of the picture stretched over the welcome screen.
class InterfaceSetForm
{
public:
    static inline const QString EmptyMessage = QStringLiteral("背景图片不能为空，请重新选择");
    static inline const QString MissingMessage = QStringLiteral("您选择的背景图片不存在，请重新选择");
    static inline const QString TooDeepMessage = QStringLiteral("您选择的背景图片路径太深，请重新选择");
    static constexpr int MaxPathBytes = 160;

    explicit InterfaceSetForm(AppContext &ctx) : m_ctx(ctx) {}

    void load(); // creates the setting row when missing
    QString path;
    // Checks and stores the path; false after showing why not.
    bool confirm();
    void clear(); // stores an empty path

private:
    AppContext &m_ctx;
};
