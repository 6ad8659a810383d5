#pragma once

#include <QString>

struct AppContext;

// The target file of the backup made when leaving the program.
class BackupPathForm
{
public:
    static inline const QString EmptyMessage = QStringLiteral("路径不能为空，请重新选择");
    static inline const QString TooDeepMessage = QStringLiteral("路径太深，请重新选择");
    static constexpr int MaxPathBytes = 160;

    explicit BackupPathForm(AppContext &ctx) : m_ctx(ctx) {}

    void load(); // creates the setting row when missing
    QString path;
    // The file dialog; true when a file was chosen (it is then in `path`).
    bool choose();
    // Checks and stores; false after showing why not.
    bool confirm();

private:
    AppContext &m_ctx;
};
