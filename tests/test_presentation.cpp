// The draw window's look and commands: views, menus, help, exit, the grade tooltip, About.
#include "support/FormFixture.h"

#include "about/TAboutBox.h"
#include "common/Uglobal.h"
#include "platform/Shell.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList captions(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts.append(action->text());
    return texts;
}

// Records what the desktop would be asked to open.
class OpenRecorder
{
public:
    OpenRecorder()
    {
        Shell::setOpener([this](const QUrl &url) {
            opened.append(url);
            return true;
        });
    }
    ~OpenRecorder() { Shell::setOpener({}); }
    QList<QUrl> opened;
};

}

class PresentationTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windowHasACaptionBarWithoutButtons();
    void menusAndToolbarCarryTheirCaptionsAndHints();
    void viewsSwitchExactlyTheDrawControlsAndKeepTheGrade();
    void drawWorksInFullScreen();
    void helpOpensTheHelpFileOrSaysItIsMissing();
    void exitClosesTheWindow();
    void gradeTooltipCountsTheWinners();
    void aboutShowsTheVersionAndTheMaker();
    void skinsChangeTheLookAndABrokenSkinChangesNothing();
};

void PresentationTest::windowHasACaptionBarWithoutButtons()
{
    FormFixture f(DrawSettings(0));
    const Qt::WindowFlags flags = f.form->windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(f.form->windowTitle(), QStringLiteral("Test Show"));
    QCOMPARE(f.form->bsSkinPanel2->height(), 30);
}

void PresentationTest::menusAndToolbarCarryTheirCaptionsAndHints()
{
    FormFixture f(DrawSettings(0));
    f.show();
    QCOMPARE(captions(f.form->OptionsMenu), QStringList({QStringLiteral("Optiions"), QStringLiteral("initialize")}));
    QCOMPARE(captions(f.form->HelpMenu), QStringList({QStringLiteral("About"), QStringLiteral("help")}));
    QCOMPARE(captions(f.form->WindowMenu), QStringList({QStringLiteral("Full Screen"), QStringLiteral("Show Tool Bar")}));

    const QList<QToolButton *> buttons = {f.form->OptionsButton, f.form->WinnerListButton, f.form->HelpButton,
                                          f.form->ExitButton};
    QStringList hints;
    for (QToolButton *button : buttons) {
        hints.append(button->toolTip());
        QVERIFY(!button->icon().isNull());
        QVERIFY(button->text().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly);
    }
    QCOMPARE(hints, QStringList({QStringLiteral("Options"), QStringLiteral("Winner List"), QStringLiteral("help"),
                                 QStringLiteral("exit")}));
    // Left to right in the bottom bar: toolbar, then the centred button, then the draw controls.
    QVERIFY(buttons[0]->x() < buttons[3]->x());
    QVERIFY(f.form->bsSkinToolBar1->geometry().right() < f.form->bsSkinButton1->x());
    QVERIFY(f.form->RxSpinEdit1->x() < f.form->bsSkinTrackBar1->x());
    QVERIFY(f.form->bsSkinTrackBar1->x() < f.form->bsSkinComboBox1->x());
    QCOMPARE(f.form->bsSkinComboBox1->geometry().right() < f.form->bsSkinPanel2->width(), true);
    // The windows behind these two commands are not part of the program yet.
    QVERIFY(!f.form->ActionOption->isEnabled());
    QVERIFY(!f.form->ActionMD->isEnabled());
}

void PresentationTest::viewsSwitchExactlyTheDrawControlsAndKeepTheGrade()
{
    FormFixture f(DrawSettings(0));
    f.show();
    f.form->bsSkinComboBox1->setCurrentIndex(2);
    QList<QWidget *> hidden = {f.form->bsSkinToolBar1, f.form->RxSpinEdit1, f.form->bsSkinTrackBar1,
                               f.form->bsSkinComboBox1};

    for (int round = 0; round < 2; ++round) {
        f.form->ActionFullScreen->trigger();
        for (QWidget *control : hidden)
            QVERIFY(!control->isVisible());
        QVERIFY(f.form->bsSkinPanel2->isVisible());
        QVERIFY(f.form->bsSkinButton1->isVisible());
        QVERIFY(f.form->isFullScreen());
        QCOMPARE(f.form->bsSkinComboBox1->currentIndex(), 2);
    }
    f.form->ActionShowToolbar->trigger();
    for (QWidget *control : hidden)
        QVERIFY(control->isVisible());
    QVERIFY(!f.form->isFullScreen());
    QCOMPARE(f.form->bsSkinComboBox1->currentIndex(), 2);
}

void PresentationTest::drawWorksInFullScreen()
{
    FormFixture f(DrawSettings(1));
    f.folder.sql(QStringLiteral("insert into wz(wz) values('Ann')"));
    f.show();
    f.form->bsSkinComboBox1->setCurrentIndex(1);
    f.form->ActionFullScreen->trigger();
    f.form->FormKeyPress(QLatin1Char('\r'));
    f.form->FormKeyPress(QLatin1Char(' '));
    f.form->Timer1Timer();
    f.form->FormKeyPress(QLatin1Char(' '));
    QCOMPARE(f.folder.scalar(QStringLiteral("select prize from wz where wz='Ann'")).toString(),
             QStringLiteral("Second Prize"));
}

void PresentationTest::helpOpensTheHelpFileOrSaysItIsMissing()
{
    FormFixture f(DrawSettings(0));
    OpenRecorder desktop;
    f.form->ActionHelp->trigger();
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("Help document not found,your software is not complete!")});
    QVERIFY(desktop.opened.isEmpty());

    QFile help(f.folder.file(QStringLiteral("help.chm")));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    f.messages.clear();
    f.form->ActionHelp->trigger();
    QVERIFY(f.messages.texts().isEmpty());
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(f.folder.file(QStringLiteral("help.chm")))});
}

void PresentationTest::exitClosesTheWindow()
{
    FormFixture f(DrawSettings(0));
    f.show();
    QVERIFY(f.form->isVisible());
    f.form->ExitButton->click();
    QVERIFY(!f.form->isVisible());
}

void PresentationTest::gradeTooltipCountsTheWinners()
{
    FormFixture f(DrawSettings(0));
    f.folder.sql(QStringLiteral("insert into photo(xm,class) values('A','First Prize');"
                                "insert into photo(xm,class) values('B','First Prize');"
                                "insert into photo(xm,class) values('C','Second Prize')"));
    f.show();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(f.form->bsSkinComboBox1, &enter);
    QCOMPARE(f.form->bsSkinComboBox1->toolTip(), QStringLiteral("First PrizeThere are 2 winners"));
}

void PresentationTest::aboutShowsTheVersionAndTheMaker()
{
    FormFixture f(DrawSettings(0));
    OpenRecorder desktop;
    QCOMPARE(GetVersionString(), QStringLiteral(QUELLMARK_VERSION));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$")).match(GetVersionString()).hasMatch());

    TAboutBox box(f.form);
    QCOMPARE(box.windowTitle(), QStringLiteral("About"));
    QCOMPARE(box.ProductName->text(), QStringLiteral("Quellmark"));
    QCOMPARE(box.Version->text(), QStringLiteral("Version") + GetVersionString());
    QVERIFY(box.MakerLink->text().contains(MakerName));
    QVERIFY(box.MakerLink->text().contains(MakerAddress));
    box.MakerLinkClick();
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl(MakerAddress)});

    QTimer::singleShot(0, &box, [&box] { box.bsSkinButton1->click(); });
    QCOMPARE(box.exec(), int(QDialog::Accepted));
}

void PresentationTest::skinsChangeTheLookAndABrokenSkinChangesNothing()
{
    QList<QImage> looks;
    for (int skin = 0; skin < 6; ++skin) {
        FormFixture f(DrawSettings(0, 1, QStringLiteral("Skin=%1\n").arg(skin)));
        f.folder.copyShipped(QStringLiteral("skins"));
        // The skin is loaded when the window is created, so create it again with the skins in place.
        TForm1 form(new FakePlayer, new FakePlayer);
        form.resize(800, 600);
        form.show();
        QVERIFY(!form.styleSheet().isEmpty());
        looks.append(form.bsSkinPanel2->grab().toImage());
        form.close();
    }
    for (int i = 0; i < looks.size(); ++i)
        for (int j = i + 1; j < looks.size(); ++j)
            QVERIFY2(looks[i] != looks[j], qPrintable(QStringLiteral("skins %1 and %2 look alike").arg(i).arg(j)));

    FormFixture broken(DrawSettings(0));
    QDir().mkpath(broken.folder.file(QStringLiteral("skins/Orange")));
    QFile junk(broken.folder.file(QStringLiteral("skins/Orange/skin.ini")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("\x01\x02 not a skin at all\n[[[\n");
    junk.close();
    TForm1 form(new FakePlayer, new FakePlayer);
    QVERIFY(form.styleSheet().isEmpty());
    QVERIFY(broken.messages.texts().isEmpty());
}

QTEST_MAIN(PresentationTest)
#include "test_presentation.moc"
