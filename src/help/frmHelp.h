#pragma once
#include <QDialog>

#include "widgets/clsAppContext.h"

class QPlainTextEdit;
class QPushButton;

// The read-only help page. Its text and colours are set once, when it is
// made; afterwards it is only hidden and shown again (see helpWindowHolder).
class frmHelp : public QDialog {
    Q_OBJECT
public:
    frmHelp(clsAppContext& ctx, QWidget* parent = nullptr);

private:
    void Form_Load();
    void fillHelpText();
    void applyColorStyle();
    void cmdOk_Click();

    clsAppContext& ctx_;
    QPlainTextEdit* txtHelp;
    QPushButton* cmdOk;
};
