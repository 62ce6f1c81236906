// Placeholder until the square root, power and factorial commands land.
#include "ui/frmNumora.h"

namespace calcora {
void frmNumora::cmdSqRt_Click() {}
void frmNumora::cmdPower_Click() {}
void frmNumora::cmdFac_Click() {}
}  // namespace calcora
