// The pseudo-map code converter.
#include "app/Unit1.h"

void TForm1::SpeedButton_dClick() {}
