#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// The modal About window: product name, the running version, the maker's site.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *MakerLink = nullptr;
    QPushButton *bsSkinButton1 = nullptr;

    void MakerLinkClick();

private:
    void FormCreate();
};

// The version compiled into the program as four numbers, "0.0.0.0" when it has none.
QString GetVersionString();

// The maker shown and linked by the About window.
extern const QString MakerName;
extern const QString MakerAddress;
