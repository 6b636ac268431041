#include "platform/forms/standard_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tarvelon {

bool UseQtTextsInPortuguese()
{
    static QTranslator* installed = nullptr;
    if (installed != nullptr)
        return true;
    if (QCoreApplication::instance() == nullptr)
        return false;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

}  // namespace tarvelon
