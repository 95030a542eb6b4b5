#include "cfgoutput/frmSaveToFile.h"

frmSaveToFile::frmSaveToFile(clsAppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) { setObjectName("frmSaveToFile"); }
