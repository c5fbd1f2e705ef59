#pragma once
class MainStatus;
class QWidget;
class RecoveryCopy;

// Offers the recovery copies an earlier run left, asking on `window`; true
// when one was restored. `closed` turns true when the window is closed
// meanwhile: every copy then stays for the next start.
bool OfferRecovery(QWidget* window, RecoveryCopy& recovery, MainStatus& status, const bool& closed);
