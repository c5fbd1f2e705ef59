#include "dialogs/AboutBox.h"

#include <QCoreApplication>
#include <QApplication>
#include <QMessageBox>
#include <QtGlobal>

#include "BuildInfo.h"

void ShowAboutBox(QWidget* parent)
{
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("AboutBox", "ISPLN について"));
    box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    box.setTextFormat(Qt::PlainText);
    box.setText(QStringLiteral("ISPLN  Ver " ISPLN_CAPTION_VERSION " (" ISPLN_VERSION ")"));
    box.setInformativeText(QCoreApplication::translate("AboutBox",
                                                       "Tidemark の島の計画ツール\n\n"
                                                       "Copyright (c) the ISPLN developers\n"
                                                       "MIT ライセンスの下で配布されています。\n\n"
                                                       "Qt %1 (ビルド時 Qt %2)")
                               .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
