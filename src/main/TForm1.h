#pragma once

#include "data/Statement.h"
#include "platform/audio/StreamDecoder.h"

#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class AudioPlayer;
class DrawLabel;
class PictureBox;
class QAction;
class QComboBox;
class QMenu;
class QToolBar;
class QToolButton;
class QDoubleSpinBox;
class QPushButton;
class QSlider;
class QTimer;

// The draw window: the picture area with the photo slots and the draw text, the bottom bar
// with the draw button and controls, and the whole Start / Draw / Clear Screen cycle.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    // The window owns both players: MediaPlayer1 serves the button, DXAudioOut1 the Space key.
    TForm1(AudioPlayer *mediaPlayer, AudioPlayer *streamPlayer, QWidget *parent = nullptr);

    // Draw cycle
    void ActionCJExecute();
    void bsSkinButton1Click();
    void Timer1Timer();
    void FormKeyPress(QChar key);
    void RxSpinEdit1Change();

    // Photo-mode draw
    void RollPhotos();
    void LoadPhotoIntoSlot(int slot, const QString &path, const QString &name);
    void LayoutSlots(int count);
    void SetSlotsProportional(bool on);
    void RecordPhotoWinners();
    void AnimateCongratulation();
    void NextFlashColour();
    bool CongratulationRunning() const;

    // Name/number-mode draw
    void RollNames(int count);
    void RecordNameWinners();

    // Re-initialisation and winner counts
    void ActionInitExecute();
    QString WinnerCountText();

    // Presentation
    void FormShow();
    void FillPrizeGradeList();
    void ActionHelpExecute();
    void ActionFullScreenExecute();
    void ActionShowToolbarExecute();
    void ActionExitExecute();
    void ActionAboutExecute();
    void bsSkinComboBox1MouseEnter();

    // Settings
    void LoadSettings(const QString &fileName);

    // Sound
    void PlayMusic(const QString &path, AudioPlayer &player, bool loop);
    void StopMusic(AudioPlayer &player);
    void PlaySound(const QString &path, bool loop);
    void StopSound();
    void MediaPlayer1Notify();
    void DXAudioOut1Done();

    // The window title: while a draw rolls it lists the shown names, one per line.
    void SetCaption(const QString &caption);
    const QString &Caption() const { return m_caption; }

    PictureBox *Slot(int slot) const { return m_slots[slot - 1]; }

    // Settings of the main window
    QString WindowCaption;
    QString RollSoundFile;
    QString DrawSoundFile;
    QString DrawFontName;
    int DrawFontSize = 0;
    qint32 DrawFontColor = 0;
    bool StretchPhotos = false;

    // Draw state
    bool DrawOpen = false;
    bool CandidatesFound = false;
    std::array<std::optional<int>, 6> SlotPhotoId;

    // Controls
    QWidget *bsSkinPanel1 = nullptr;
    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    PictureBox *Image3 = nullptr;
    PictureBox *Image4 = nullptr;
    PictureBox *Image5 = nullptr;
    PictureBox *Image6 = nullptr;
    PictureBox *Image7 = nullptr;
    DrawLabel *LabelWZ = nullptr;
    QWidget *bsSkinPanel2 = nullptr;
    QToolBar *bsSkinToolBar1 = nullptr;
    QToolButton *OptionsButton = nullptr;
    QToolButton *WinnerListButton = nullptr;
    QToolButton *HelpButton = nullptr;
    QToolButton *ExitButton = nullptr;
    QMenu *OptionsMenu = nullptr;
    QMenu *HelpMenu = nullptr;
    QMenu *WindowMenu = nullptr;
    QAction *ActionOption = nullptr;
    QAction *ActionInit = nullptr;
    QAction *ActionMD = nullptr;
    QAction *ActionAbout = nullptr;
    QAction *ActionHelp = nullptr;
    QAction *ActionFullScreen = nullptr;
    QAction *ActionShowToolbar = nullptr;
    QAction *ActionExit = nullptr;
    QPushButton *bsSkinButton1 = nullptr;
    QDoubleSpinBox *RxSpinEdit1 = nullptr;
    QSlider *bsSkinTrackBar1 = nullptr;
    QComboBox *bsSkinComboBox1 = nullptr;
    QTimer *Timer1 = nullptr;

    Statement ADOQuery1;
    Statement ADOQuery3;
    Statement ADOQueryWZ;

    AudioPlayer *MediaPlayer1 = nullptr;
    AudioPlayer *DXAudioOut1 = nullptr;
    StreamDecoder CurrentInput = StreamDecoder::None;
    bool LoopSound = false;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void CreateControls();
    void CreateToolbarAndMenus();
    void SetView(bool fullScreen);
    void ArrangeBottomBar();
    void RecordWinners();
    void CongratulationStep();
    void EndCongratulation();
    // Empties the slots from the given one on: their pictures and their photo ids.
    void ClearSlotsFrom(int slot);
    // The primary screen's size, which every layout of the picture area is made for.
    static QSize ScreenSize();

    std::array<PictureBox *, 6> m_slots{};
    QString m_caption;
    bool m_shown = false;

    // The media player restarts its file at the end only while its last start asked for a loop.
    bool m_musicLoops = false;
    QString m_musicFile;
    QString m_soundFile;

    // A roll tick whose statement failed shows the failure text instead of candidates.
    bool m_nameRollFailed = false;

    QTimer *m_congratulationTimer = nullptr;
    int m_congratulationSize = 0;
};
