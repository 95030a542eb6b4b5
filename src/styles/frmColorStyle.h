#pragma once
#include <QDialog>
#include <string>

#include "widgets/clsAppContext.h"

class QComboBox;
class QLabel;
class QPushButton;

// Lets the user pick a colour style: a pick repaints this dialog alone as a
// preview; OK makes the last pick the program's style, Cancel keeps the old
// one. The opener repaints itself afterwards. A fresh dialog is made for
// every opening.
class frmColorStyle : public QDialog {
    Q_OBJECT
public:
    frmColorStyle(clsAppContext& ctx, QWidget* parent = nullptr);

private:
    void Form_Load();
    void applyColorStyle(const std::string& styleName);
    void cboColorStyle_Click();
    void cmdOk_Click();
    void cmdCancel_Click();

    clsAppContext& ctx_;
    std::string pendingStyle;  // picked, not yet confirmed

    QComboBox* cboColorStyle;
    QLabel* lblcolorstyle;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
};
