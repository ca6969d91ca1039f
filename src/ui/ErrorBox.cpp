#include "ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace zindo {

namespace {

std::function<void(const QString&)>& Hook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

} // namespace

void ShowErrorBox(const QString& Text)
{
    if (Hook()) {
        Hook()(Text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Zindo Puzzle"), Text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void SetErrorBoxHook(std::function<void(const QString&)> AHook)
{
    Hook() = std::move(AHook);
}

bool RunGuarded(const std::function<void()>& Action)
{
    try {
        Action();
        return true;
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowErrorBox(QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace zindo
