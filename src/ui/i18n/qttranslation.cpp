#include "ui/i18n/qttranslation.h"

#include "ui/shell/narrowtext.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace tessaly {

void LoadQtTranslation(const std::string& languageCode) {
    static QTranslator* loaded = nullptr;
    if (loaded) {
        QCoreApplication::removeTranslator(loaded);
        delete loaded;
        loaded = nullptr;
    }
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_") + Wide(languageCode),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator.get())) {
        loaded = translator.release();
    }
}

} // namespace tessaly
