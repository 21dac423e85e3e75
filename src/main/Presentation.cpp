#include "main/TForm1.h"

#include "common/Uglobal.h"
#include "platform/DrawLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QToolBar>

QSize TForm1::ScreenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

void TForm1::FormShow()
{
    MessageBoxes::RunReportingErrors([this] {
        LayoutSlots(EffectivePhotoCount());
        FillPrizeGradeList();
        if (IsNameMode()) {
            RxSpinEdit1->setRange(1, 10);
        } else {
            RxSpinEdit1->setRange(1, 6);
            RxSpinEdit1->setValue(EffectivePhotoCount());
        }
        RxSpinEdit1->setEnabled(true);
        const QSize screen = ScreenSize();
        Image1->setGeometry(0, 0, screen.width(), screen.height());
        LabelWZ->setGeometry(0, 0, screen.width(), screen.height() - 3 * bsSkinPanel2->height());
        LabelWZ->setVerticalLayout(DrawLabel::VerticalLayout::Centre);
        ArrangeBottomBar();
        bsSkinButton1->setFocus();
    });
}

void TForm1::FillPrizeGradeList()
{
    ADOQuery1.close();
    ADOQuery1.setText(QStringLiteral("select name from jxmc"));
    ADOQuery1.open();
    bsSkinComboBox1->clear();
    for (; !ADOQuery1.eof(); ADOQuery1.next())
        bsSkinComboBox1->addItem(ADOQuery1.field(0).toString());
    bsSkinComboBox1->setCurrentIndex(bsSkinComboBox1->count() > 0 ? 0 : -1);
}

void TForm1::ArrangeBottomBar()
{
    const int barHeight = bsSkinPanel2->height();
    const int right = bsSkinPanel2->width() - 4;
    auto centreVertically = [barHeight](QWidget *control) { return (barHeight - control->height()) / 2; };

    bsSkinToolBar1->resize(bsSkinToolBar1->sizeHint().width(), bsSkinToolBar1->height());
    bsSkinToolBar1->move(2, (barHeight - bsSkinToolBar1->height()) / 2);
    bsSkinButton1->move(ScreenSize().width() / 2 - bsSkinButton1->width() / 2, centreVertically(bsSkinButton1));
    bsSkinComboBox1->move(right - bsSkinComboBox1->width(), centreVertically(bsSkinComboBox1));
    bsSkinTrackBar1->move(bsSkinComboBox1->x() - 6 - bsSkinTrackBar1->width(), centreVertically(bsSkinTrackBar1));
    RxSpinEdit1->move(bsSkinTrackBar1->x() - 6 - RxSpinEdit1->width(), centreVertically(RxSpinEdit1));
}
