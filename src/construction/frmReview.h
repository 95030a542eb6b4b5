#pragma once
#include <QDialog>

#include "widgets/clsAppContext.h"

class QListWidget;
class QPushButton;

// Shows every bound key with its kind and plain text, as the builder lists
// them. A fresh window is made for every opening, so it shows the binds as
// they are at that moment.
class frmReview : public QDialog {
    Q_OBJECT
public:
    frmReview(clsAppContext& ctx, QWidget* parent = nullptr);

private:
    void Form_Load();
    void applyColorStyle();
    void cmdOk_Click();

    clsAppContext& ctx_;
    QListWidget* lstReview;
    QPushButton* cmdOk;
};
