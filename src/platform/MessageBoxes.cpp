#include "platform/MessageBoxes.h"

#include "common/Uglobal.h"
#include "platform/skin/SkinLoader.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace MessageBoxes {
namespace {

Handler customHandler;

Answer showRealBox(const Request &request)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(request.text);
    switch (request.kind) {
    case Kind::Plain: box.setIcon(QMessageBox::NoIcon); break;
    case Kind::Warning: box.setIcon(QMessageBox::Warning); break;
    case Kind::Information: box.setIcon(QMessageBox::Information); break;
    case Kind::Error: box.setIcon(QMessageBox::Critical); break;
    }
    if (request.kind == Kind::Warning || request.kind == Kind::Information)
        box.setStyleSheet(SkinLoader::styleSheetFor(SkinFile));
    if (request.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Dismissed;
    }
}

Answer show(const Request &request)
{
    return customHandler ? customHandler(request) : showRealBox(request);
}

}

void setHandler(Handler handler)
{
    customHandler = std::move(handler);
}

void ShowMessage(const QString &text)
{
    show({Kind::Plain, Buttons::Ok, text});
}

Answer SkinMessage(Kind kind, const QString &text, Buttons buttons)
{
    return show({kind, buttons, text});
}

void ShowErrorBox(const QString &text)
{
    show({Kind::Error, Buttons::Ok, text});
}

void RunReportingErrors(const std::function<void()> &work)
{
    try {
        work();
    } catch (const std::exception &error) {
        ShowErrorBox(QString::fromUtf8(error.what()));
    }
}

}
