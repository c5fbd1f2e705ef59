#pragma once
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;

// The dialogs the main window opens; program entry creates them.
struct DialogSet {
    TForm3* Form3 = nullptr;
    TForm5* Form5 = nullptr;
    TForm2* Form2 = nullptr;
    TForm4* Form4 = nullptr;
    TForm6* Form6 = nullptr;
};
