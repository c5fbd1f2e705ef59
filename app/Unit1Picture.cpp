// Saving the map picture.
#include "app/Unit1.h"

void TForm1::SpeedButton_PngClick() {}
