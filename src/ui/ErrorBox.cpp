#include "ErrorBox.h"

#include "dialogs/QzMessageBoxForm.h"

#include <QCoreApplication>
#include <QStringList>

namespace zindo {

namespace {

std::function<void(const QString&)>& Hook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

/// The texts of the error boxes open now, innermost last.
QStringList& OpenErrors()
{
    static QStringList texts;
    return texts;
}

} // namespace

void ShowErrorBox(const QString& Text)
{
    if (Hook()) {
        Hook()(Text);
        return;
    }
    // The game goes on behind the box, so an error that repeats at every
    // pass of the game would open box upon box: one that is already on
    // screen is not shown again.
    if (OpenErrors().contains(Text))
        return;
    OpenErrors().append(Text);
    struct TClose {
        ~TClose() { OpenErrors().removeLast(); }
    } close;
    ShowMessageBox(Text, mtInformation, mbOK);
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
        ShowErrorBox(QCoreApplication::translate("ErrorBox", "Unknown error"));
    }
    return false;
}

} // namespace zindo
