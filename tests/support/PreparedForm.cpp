#include "support/PreparedForm.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

PreparedForm::PreparedForm()
{
    media = new FakePlayer;
    stream = new FakePlayer;
    m_owner = std::make_unique<TForm1>(media, stream);
    form = m_owner.get();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

PreparedForm::~PreparedForm() = default;

void PreparedForm::show()
{
    form->resize(800, 600);
    form->show();
    QApplication::setActiveWindow(form);
    if (!QTest::qWaitForWindowActive(form))
        qWarning("the window did not become active");
    form->bsSkinButton1->setFocus();
}
