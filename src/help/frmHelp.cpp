#include "help/frmHelp.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "construction/keyPressFilter.h"
#include "help/clsHelpText.h"
#include "widgets/twips.h"
#include "widgets/designFont.h"
#include "styles/stylePainter.h"

frmHelp::frmHelp(clsAppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmHelp");
    setWindowTitle(QStringLiteral("HELP"));
    setFixedSize(twips(6150), twips(3600));

    txtHelp = new QPlainTextEdit(this);
    txtHelp->setObjectName("txtHelp");
    txtHelp->setGeometry(twipsRect(120, 120, 5895, 3015));
    txtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtHelp->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Nothing the user does changes the text; it can still be read with the
    // keyboard, selected and copied. Every typed character beeps.
    txtHelp->setReadOnly(true);
    txtHelp->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtHelp->setAcceptDrops(false);
    txtHelp->setTabChangesFocus(true);
    beepOnTyping(txtHelp, ctx_.platform.beep);

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName("cmdOk");
    cmdOk->setGeometry(twipsRect(2760, 3240, 855, 255));

    useDesignFont(this);
    setTabOrder(txtHelp, cmdOk);
    txtHelp->setFocus();
    connect(cmdOk, &QPushButton::clicked, this, &frmHelp::cmdOk_Click);

    Form_Load();
}

void frmHelp::Form_Load() {
    fillHelpText();
    applyColorStyle();
}

void frmHelp::fillHelpText() {
    const std::string folder = ctx_.platform.folder.nativePath(ctx_.inputFolder());
    // The box breaks lines at "\n".
    QString text = QString::fromUtf8(clsHelpText::build(folder));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtHelp->setPlainText(text);
}

void frmHelp::applyColorStyle() {
    stylePainter paint(ctx_.colorStyles, ctx_.currentColorStyle);
    paint.form(this);
    paint.buttons({cmdOk});
    paint.boxes({txtHelp});
}

void frmHelp::cmdOk_Click() { accept(); }
