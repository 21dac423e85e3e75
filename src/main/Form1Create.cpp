#include "main/TForm1.h"

#include "common/Uglobal.h"
#include "platform/DrawLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "platform/ToolbarIcons.h"
#include "platform/audio/AudioPlayer.h"
#include "platform/skin/SkinLoader.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {
const int BottomBarHeight = 30;
}

TForm1::TForm1(AudioPlayer *mediaPlayer, AudioPlayer *streamPlayer, QWidget *parent)
    : QWidget(parent), MediaPlayer1(mediaPlayer), DXAudioOut1(streamPlayer)
{
    MediaPlayer1->setParent(this);
    DXAudioOut1->setParent(this);
    connect(MediaPlayer1, &AudioPlayer::playedToEnd, this, [this] { MediaPlayer1Notify(); });
    connect(DXAudioOut1, &AudioPlayer::playedToEnd, this, [this] { DXAudioOut1Done(); });
    CreateControls();
    CreateToolbarAndMenus();
    FormCreate();
}

void TForm1::CreateControls()
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A caption bar without close, minimise or maximise buttons: the toolbar's exit ends the show.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowIcon(ToolbarIcons::programIcon());

    bsSkinPanel1 = new QWidget(this);
    bsSkinPanel1->setObjectName(QStringLiteral("bsSkinPanel1"));

    Image1 = new PictureBox(bsSkinPanel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAutoSize(true);
    PictureBox **slots[] = {&Image2, &Image3, &Image4, &Image5, &Image6, &Image7};
    for (int i = 0; i < 6; ++i) {
        *slots[i] = new PictureBox(bsSkinPanel1);
        (*slots[i])->setObjectName(QStringLiteral("Image%1").arg(i + 2));
        (*slots[i])->hide();
        m_slots[i] = *slots[i];
    }
    LabelWZ = new DrawLabel(bsSkinPanel1);
    LabelWZ->setObjectName(QStringLiteral("LabelWZ"));
    LabelWZ->raise();

    bsSkinPanel2 = new QWidget(this);
    bsSkinPanel2->setObjectName(QStringLiteral("bsSkinPanel2"));
    bsSkinPanel2->setAttribute(Qt::WA_StyledBackground);

    bsSkinButton1 = new QPushButton(QStringLiteral("&Start"), bsSkinPanel2);
    bsSkinButton1->setObjectName(QStringLiteral("bsSkinButton1"));
    bsSkinButton1->setToolTip(QStringLiteral("click this button"));
    bsSkinButton1->setFocusPolicy(Qt::StrongFocus);
    // Enter on the focused button works it like a click, as Space does.
    bsSkinButton1->setAutoDefault(true);
    bsSkinButton1->resize(120, 24);
    connect(bsSkinButton1, &QPushButton::clicked, this, [this] { bsSkinButton1Click(); });

    RxSpinEdit1 = new QDoubleSpinBox(bsSkinPanel2);
    RxSpinEdit1->setObjectName(QStringLiteral("RxSpinEdit1"));
    RxSpinEdit1->setToolTip(QStringLiteral("roll number at the same time"));
    RxSpinEdit1->setDecimals(0);
    RxSpinEdit1->setRange(1, 10);
    RxSpinEdit1->setValue(1);
    RxSpinEdit1->resize(56, 24);
    connect(RxSpinEdit1, &QDoubleSpinBox::valueChanged, this, [this] { RxSpinEdit1Change(); });

    bsSkinTrackBar1 = new QSlider(Qt::Horizontal, bsSkinPanel2);
    bsSkinTrackBar1->setObjectName(QStringLiteral("bsSkinTrackBar1"));
    bsSkinTrackBar1->setToolTip(QStringLiteral("roll interval"));
    bsSkinTrackBar1->setRange(10, 1000);
    bsSkinTrackBar1->setValue(10);
    // Neither the track bar nor the grade box keeps the focus, so Space and Enter keep
    // working the draw button after the operator has used them.
    bsSkinTrackBar1->setFocusPolicy(Qt::NoFocus);
    bsSkinTrackBar1->resize(150, 24);

    bsSkinComboBox1 = new QComboBox(bsSkinPanel2);
    bsSkinComboBox1->setObjectName(QStringLiteral("bsSkinComboBox1"));
    bsSkinComboBox1->setToolTip(QStringLiteral("grade of prizes"));
    bsSkinComboBox1->setFocusPolicy(Qt::NoFocus);
    bsSkinComboBox1->resize(160, 24);
    bsSkinComboBox1->installEventFilter(this);

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    m_congratulationTimer = new QTimer(this);
    m_congratulationTimer->setInterval(10);
    connect(m_congratulationTimer, &QTimer::timeout, this, [this] { CongratulationStep(); });
}

void TForm1::FormCreate()
{
    AppFolder = ExecutableFolder();
    LoadSettings(QStringLiteral("prize.ini"));
    SetCaption(WindowCaption);
    DrawOpen = false;
    SkinLoader::applySkin(this, SkinFile);
    LabelWZ->setCaption(QString());
    SetSlotsProportional(!StretchPhotos);
}

void TForm1::SetCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QLatin1Char('\r'), QStringLiteral(" · "));
    setWindowTitle(shown);
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    bsSkinPanel1->setGeometry(0, 0, width(), height() - BottomBarHeight);
    bsSkinPanel2->setGeometry(0, height() - BottomBarHeight, width(), BottomBarHeight);
    ArrangeBottomBar();
}

void TForm1::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() == 1 && (text[0] == QLatin1Char(' ') || text[0] == QLatin1Char('\r'))) {
        FormKeyPress(text[0]);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == bsSkinComboBox1 && event->type() == QEvent::Enter)
        bsSkinComboBox1MouseEnter();
    return QWidget::eventFilter(watched, event);
}
