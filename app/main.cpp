// The program tarvelon. It runs in its game folder (the working folder) with tarvelon.ini beside it.
#include <QApplication>
#include <cstdio>

#include "app/startup.h"
#include "core/settings/settings.h"
#include "platform/audio/mci_player.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvelon"));
    tarvelon::StartApplication();
    const tarvelon::TProgramServices services = tarvelon::InstallCoreHooks(tarvelon::CreateQtWaveDevice());
    // The settings file lies beside the program file.
    tarvelon::SetProgramFolder(QApplication::applicationDirPath().toStdString());
    // The title screen is not there yet: the program starts and ends without a window.
    std::puts("Tarvelon: a tela de título ainda não existe; nada a mostrar.");
    return 0;
}
