#include "main/TForm1.h"

#include "about/TAboutBox.h"
#include "common/Uglobal.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/ToolbarIcons.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QMenu>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

namespace {

QToolButton *AddToolButton(QToolBar *toolbar, ToolbarIcons::Picture picture, const QString &hint,
                           const QString &objectName)
{
    auto *button = new QToolButton(toolbar);
    button->setObjectName(objectName);
    button->setIcon(ToolbarIcons::icon(picture));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    toolbar->addWidget(button);
    return button;
}

}

void TForm1::CreateToolbarAndMenus()
{
    bsSkinToolBar1 = new QToolBar(bsSkinPanel2);
    bsSkinToolBar1->setObjectName(QStringLiteral("bsSkinToolBar1"));
    bsSkinToolBar1->setIconSize(QSize(22, 22));
    bsSkinToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bsSkinToolBar1->setFixedHeight(28);

    // The Options dialog and the winners window open from here once they exist.
    ActionOption = new QAction(QStringLiteral("Optiions"), this);
    ActionOption->setEnabled(false);
    ActionInit = new QAction(QStringLiteral("initialize"), this);
    connect(ActionInit, &QAction::triggered, this, [this] { ActionInitExecute(); });
    ActionMD = new QAction(QStringLiteral("Winner List"), this);
    ActionMD->setEnabled(false);
    ActionAbout = new QAction(QStringLiteral("About"), this);
    connect(ActionAbout, &QAction::triggered, this, [this] { ActionAboutExecute(); });
    ActionHelp = new QAction(QStringLiteral("help"), this);
    connect(ActionHelp, &QAction::triggered, this, [this] { ActionHelpExecute(); });
    ActionFullScreen = new QAction(QStringLiteral("Full Screen"), this);
    connect(ActionFullScreen, &QAction::triggered, this, [this] { ActionFullScreenExecute(); });
    ActionShowToolbar = new QAction(QStringLiteral("Show Tool Bar"), this);
    connect(ActionShowToolbar, &QAction::triggered, this, [this] { ActionShowToolbarExecute(); });
    ActionExit = new QAction(QStringLiteral("exit"), this);
    connect(ActionExit, &QAction::triggered, this, [this] { ActionExitExecute(); });

    OptionsMenu = new QMenu(this);
    OptionsMenu->addAction(ActionOption);
    OptionsMenu->addAction(ActionInit);
    HelpMenu = new QMenu(this);
    HelpMenu->addAction(ActionAbout);
    HelpMenu->addAction(ActionHelp);
    WindowMenu = new QMenu(this);
    WindowMenu->addAction(ActionFullScreen);
    WindowMenu->addAction(ActionShowToolbar);

    OptionsButton = AddToolButton(bsSkinToolBar1, ToolbarIcons::Picture::Options, QStringLiteral("Options"),
                                  QStringLiteral("OptionsButton"));
    OptionsButton->setMenu(OptionsMenu);
    OptionsButton->setPopupMode(QToolButton::InstantPopup);
    WinnerListButton = AddToolButton(bsSkinToolBar1, ToolbarIcons::Picture::WinnerList,
                                     QStringLiteral("Winner List"), QStringLiteral("WinnerListButton"));
    ActionMD->setIcon(WinnerListButton->icon());
    WinnerListButton->setDefaultAction(ActionMD);
    WinnerListButton->setToolTip(QStringLiteral("Winner List"));
    HelpButton = AddToolButton(bsSkinToolBar1, ToolbarIcons::Picture::Help, QStringLiteral("help"),
                               QStringLiteral("HelpButton"));
    HelpButton->setMenu(HelpMenu);
    HelpButton->setPopupMode(QToolButton::InstantPopup);
    ExitButton = AddToolButton(bsSkinToolBar1, ToolbarIcons::Picture::Exit, QStringLiteral("exit"),
                               QStringLiteral("ExitButton"));
    connect(ExitButton, &QToolButton::clicked, this, [this] { ActionExitExecute(); });
    bsSkinToolBar1->adjustSize();
}

void TForm1::contextMenuEvent(QContextMenuEvent *event)
{
    WindowMenu->popup(event->globalPos());
}

void TForm1::ActionHelpExecute()
{
    AppFolder = ExecutableFolder();
    const QString helpFile = AppFolder + QStringLiteral("help.chm");
    if (QFileInfo(helpFile).isFile())
        Shell::OpenDocument(helpFile);
    else
        MessageBoxes::ShowMessage(QStringLiteral("Help document not found,your software is not complete!"));
}

void TForm1::ActionFullScreenExecute()
{
    SetView(true);
}

void TForm1::ActionShowToolbarExecute()
{
    SetView(false);
}

void TForm1::SetView(bool fullScreen)
{
    const int grade = bsSkinComboBox1->currentIndex();
    const QList<QWidget *> drawControls = {bsSkinToolBar1, RxSpinEdit1, bsSkinTrackBar1, bsSkinComboBox1};
    for (QWidget *control : drawControls)
        control->setVisible(!fullScreen);
    if (isVisible()) {
        if (fullScreen)
            showFullScreen();
        else
            showMaximized();
    }
    bsSkinComboBox1->setCurrentIndex(grade);
}

void TForm1::ActionExitExecute()
{
    close();
}

void TForm1::ActionAboutExecute()
{
    TAboutBox box(this);
    box.exec();
}

void TForm1::bsSkinComboBox1MouseEnter()
{
    const QString count = WinnerCountText();
    bsSkinComboBox1->setToolTip(count.isEmpty() ? QStringLiteral("grade of prizes") : count);
}
