#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "Paths.h"

bool LoadTranslations(QCoreApplication& app, const QString& programFolder,
                      const QString& language) {
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    const QString ours =
        QString::fromStdString(DataFilePath(programFolder.toStdString(), "translations").string());
    // Qt's own texts first: ours win where both translate the same text.
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    auto* program = new QTranslator(&app);
    if (!program->load(locale, QStringLiteral("tolvane"), QStringLiteral("_"), ours)) {
        delete program;
        return false;
    }
    QCoreApplication::installTranslator(program);
    return true;
}

void UnloadTranslations(QCoreApplication& app) {
    for (QTranslator* translator : app.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QString LoadedLanguage(const QCoreApplication& app) {
    for (const QTranslator* translator :
         app.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        if (translator->filePath().contains(QStringLiteral("tolvane_"))) {
            return translator->language();
        }
    }
    return {};
}
