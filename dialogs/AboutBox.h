#pragma once
class QWidget;

// "ISPLN について": the version, the licence and the Qt version in use.
void ShowAboutBox(QWidget* parent);
