#include "main/TForm1.h"

#include "common/Colors.h"
#include "common/Uglobal.h"
#include "data/StatementRoutines.h"
#include "platform/DrawLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>

#include <exception>

namespace {
const int LargestCongratulationSize = 130;
}

void TForm1::RollPhotos()
{
    QString result;
    OpenQuery(QStringLiteral("select id,filename,xm from photo where class is null order by random() limit %1")
                  .arg(EffectivePhotoCount()),
              result, ADOQuery1);
    if (result != SuccessResult)
        return;
    SetCaption(QString());
    int slot = 0;
    for (; !ADOQuery1.eof() && slot < 6; ADOQuery1.next()) {
        ++slot;
        LoadPhotoIntoSlot(slot, ADOQuery1.field(QStringLiteral("filename")).toString(),
                          ADOQuery1.field(QStringLiteral("xm")).toString());
        SlotPhotoId[slot - 1] = ADOQuery1.field(QStringLiteral("id")).toInt();
    }
    // A slot this tick did not fill holds no photo, so it must not show an earlier one.
    ClearSlotsFrom(slot + 1);
}

void TForm1::LoadPhotoIntoSlot(int slot, const QString &path, const QString &name)
{
    SetCaption(m_caption.isEmpty() ? name : m_caption + QLatin1Char('\r') + name);
    if (slot < 1 || slot > 6)
        return;
    PictureBox *box = Slot(slot);
    try {
        if (!QFileInfo(path).isFile())
            throw std::runtime_error("missing picture");
        box->loadFromFile(path);
    } catch (const std::exception &) {
        // The slot holds this photo now: show its name rather than someone else's picture.
        box->showPlaceholder(name);
    }
}

void TForm1::LayoutSlots(int count)
{
    const QSize screen = ScreenSize();
    const int sw = screen.width();
    const int sh = screen.height();
    QList<QRect> rects;
    switch (count) {
    case 1:
        rects = {{0, 0, sw, sh}};
        break;
    case 2:
        rects = {{0, 0, sw / 2, sh}, {sw / 2, 0, sw / 2, sh}};
        break;
    case 3:
    case 4: {
        const int w = sw / 2, h = sh / 2;
        rects = {{0, 0, w, h}, {w, 0, w, h}, {0, h, w, h}, {w, h, w, h}};
        break;
    }
    case 5:
    case 6: {
        const int w = sw / 3, h = sh / 2;
        rects = {{0, 0, w, h}, {w, 0, w, h}, {2 * w, 0, w, h}, {0, h, w, h}, {w, h, w, h}, {2 * w, h, w, h}};
        break;
    }
    default:
        return;
    }
    Image1->setGeometry(0, 0, sw, sh);
    for (int slot = 1; slot <= 6; ++slot) {
        PictureBox *box = Slot(slot);
        if (slot <= rects.size()) {
            box->setGeometry(rects[slot - 1]);
            box->show();
        } else {
            box->hide();
        }
    }
    LabelWZ->raise();
}

void TForm1::SetSlotsProportional(bool on)
{
    for (PictureBox *box : m_slots)
        box->setProportional(on);
}

void TForm1::RecordPhotoWinners()
{
    QStringList ids;
    for (const std::optional<int> &id : SlotPhotoId)
        if (id)
            ids.append(QString::number(*id));
    if (ids.isEmpty())
        return;
    const QString statement = QStringLiteral("update photo set class=") + Quoted(bsSkinComboBox1->currentText())
                              + QStringLiteral(" where id=") + ids.join(QStringLiteral(" or id="));
    try {
        ADOQuery1.close();
        ADOQuery1.setText(statement);
        ADOQuery1.execute();
    } catch (const std::exception &) {
        MessageBoxes::ShowMessage(QStringLiteral("failed to write winning information, Redo lucky draw please!"));
    }
}

void TForm1::AnimateCongratulation()
{
    EndCongratulation();
    const QString names = m_caption;
    LabelWZ->setFontName(DrawFontName);
    LabelWZ->setFontSize(DrawFontSize);
    LabelWZ->setFontColor(DrawFontColor);
    LabelWZ->setVerticalLayout(DrawLabel::VerticalLayout::Bottom);
    QString text = CongratulationText1;
    if (CongratulationShowsNames)
        text += QLatin1Char('\r') + names;
    text += QLatin1Char('\r') + CongratulationText2;
    if (CongratulationShowsGrade)
        text += QLatin1Char(' ') + bsSkinComboBox1->currentText() + QLatin1Char('!');
    LabelWZ->setCaption(text);
    LabelWZ->setFontColor(ValueFromColor(QColor(255, 0, 0)));
    // The growth runs on a timer so the window stays live: the roll timer, the button and the
    // keys all work meanwhile, and arming a new draw ends it.
    m_congratulationSize = 1;
    CongratulationStep();
    if (m_congratulationSize > 0)
        m_congratulationTimer->start();
}

void TForm1::CongratulationStep()
{
    LabelWZ->setFontSize(m_congratulationSize);
    NextFlashColour();
    LabelWZ->repaint();
    if (DrawOpen || ++m_congratulationSize > LargestCongratulationSize)
        EndCongratulation();
}

bool TForm1::CongratulationRunning() const
{
    return m_congratulationSize > 0;
}

void TForm1::EndCongratulation()
{
    if (m_congratulationSize == 0)
        return;
    m_congratulationTimer->stop();
    m_congratulationSize = 0;
    LabelWZ->setFontColor(DrawFontColor);
    LabelWZ->setFontSize(DrawFontSize);
}

void TForm1::NextFlashColour()
{
    static const QColor cycle[] = {QColor(255, 0, 0),   QColor(255, 255, 0), QColor(0, 128, 0),
                                   QColor(0, 0, 255),   QColor(128, 0, 0),   QColor(128, 128, 0),
                                   QColor(0, 0, 128)};
    const int count = int(std::size(cycle));
    const QColor current = ColorFromValue(LabelWZ->fontColor());
    for (int i = 0; i < count; ++i) {
        if (cycle[i] == current) {
            LabelWZ->setFontColor(ValueFromColor(cycle[(i + 1) % count]));
            return;
        }
    }
}
