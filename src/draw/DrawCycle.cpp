#include "main/TForm1.h"

#include "common/Uglobal.h"
#include "data/StatementRoutines.h"
#include "platform/DrawLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {
const QString StartCaption = QStringLiteral("&Start");
const QString DrawCaption = QStringLiteral("&Draw");
const QString ClearCaption = QStringLiteral("&Clear Screen");
}

void TForm1::ActionCJExecute()
{
    CandidatesFound = true;
    QString result;
    if (IsNameMode()) {
        OpenQuery(QStringLiteral("select count(*) from wz where prize is null"), result, ADOQuery1);
        if (result != SuccessResult) {
            MessageBoxes::SkinMessage(MessageBoxes::Kind::Warning, QStringLiteral("System error!"));
            CandidatesFound = false;
            return;
        }
        if (FirstInteger(ADOQuery1) == 0) {
            MessageBoxes::SkinMessage(MessageBoxes::Kind::Warning,
                                      QStringLiteral("Did not find a list of persons not winning!"));
            CandidatesFound = false;
        }
    } else {
        OpenQuery(QStringLiteral("select count(*) from photo where class is null"), result, ADOQuery1);
        if (result != SuccessResult) {
            MessageBoxes::ShowMessage(QStringLiteral("System error！"));
            CandidatesFound = false;
            return;
        }
        if (FirstInteger(ADOQuery1) == 0) {
            MessageBoxes::ShowMessage(QStringLiteral("Draw picture not found!Can not lucky draw!"));
            CandidatesFound = false;
        }
        ClearSlotsFrom(1);
        LabelWZ->setVerticalLayout(DrawLabel::VerticalLayout::Centre);
    }
    LabelWZ->setCaption(QString());
    m_nameRollFailed = false;
    if (DrawOpen)
        return;
    SetCaption(WindowCaption);
    DrawOpen = true;
    EndCongratulation();
    StopMusic(*MediaPlayer1);
    RxSpinEdit1->setEnabled(true);
}

void TForm1::ClearSlotsFrom(int first)
{
    for (int slot = first; slot <= 6; ++slot) {
        Slot(slot)->clear();
        SlotPhotoId[slot - 1].reset();
    }
}

void TForm1::bsSkinButton1Click()
{
    MessageBoxes::RunReportingErrors([this] {
        const QString caption = bsSkinButton1->text();
        if (caption == StartCaption) {
            ActionCJExecute();
            if (!CandidatesFound)
                return;
            Timer1->setInterval(bsSkinTrackBar1->value());
            Timer1->start();
            StopMusic(*MediaPlayer1);
            PlayMusic(RollSoundFile, *MediaPlayer1, true);
            bsSkinButton1->setText(DrawCaption);
        } else if (caption == DrawCaption) {
            DrawOpen = false;
            bsSkinButton1->setText(ClearCaption);
            StopMusic(*MediaPlayer1);
            PlayMusic(DrawSoundFile, *MediaPlayer1, false);
            RecordWinners();
        } else if (caption == ClearCaption) {
            ActionCJExecute();
            bsSkinButton1->setText(StartCaption);
        }
    });
}

void TForm1::RecordWinners()
{
    if (IsNameMode()) {
        RecordNameWinners();
        return;
    }
    RecordPhotoWinners();
    if (ShowCongratulation) {
        AnimateCongratulation();
        update();
    }
}

void TForm1::Timer1Timer()
{
    // An error that escapes the tick leaves the timer off, so a broken roll cannot flood the
    // screen with error boxes.
    MessageBoxes::RunReportingErrors([this] {
        Timer1->stop();
        if (!DrawOpen)
            return;
        const int count = int(RxSpinEdit1->value());
        if (IsNameMode())
            RollNames(count);
        else
            RollPhotos();
        Timer1->start();
    });
}

void TForm1::FormKeyPress(QChar key)
{
    MessageBoxes::RunReportingErrors([this, key] {
        if (key == QLatin1Char(' ')) {
            if (!DrawOpen)
                return;
            if (!Timer1->isActive()) {
                Timer1->setInterval(bsSkinTrackBar1->value());
                Timer1->start();
                StopSound();
                PlaySound(RollSoundFile, true);
            } else {
                DrawOpen = false;
                StopSound();
                PlaySound(DrawSoundFile, false);
                RecordWinners();
            }
        } else if (key == QLatin1Char('\r')) {
            ActionCJExecute();
        }
    });
}

void TForm1::RxSpinEdit1Change()
{
    if (IsNameMode())
        return;
    PhotoCount = int(RxSpinEdit1->value());
    LayoutSlots(EffectivePhotoCount());
}
