// The catalogue editor and the system settings.
#include "app/Unit1.h"

void TForm1::SpeedButton_aClick() {}
void TForm1::SpeedButton_cClick() {}
