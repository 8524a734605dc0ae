#include "ui/shell/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

#include "machines/connection/TunerModel.h"

namespace {
const QString kResourceFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("zu6400_");

std::vector<std::unique_ptr<QTranslator>>& Installed() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

QString& CurrentLanguage() {
  static QString language = QString::fromLatin1(CLanguage::kEnglish);
  return language;
}

// "de-DE" and "de_AT" speak "de".
QString LanguageOf(const QString& name) { return name.section(u'-', 0, 0).section(u'_', 0, 0).toLower(); }

void Add(std::unique_ptr<QTranslator> translator) {
  QCoreApplication::installTranslator(translator.get());
  Installed().push_back(std::move(translator));
}
}  // namespace

QStringList CLanguage::Available() {
  QStringList languages{QString::fromLatin1(kEnglish)};
  for (const QString& file : QDir(kResourceFolder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
    languages << file.mid(kPrefix.size()).section(u'.', 0, 0);
  return languages;
}

QString CLanguage::NativeName(const QString& language) {
  // Qt names English by its American variant.
  if (language == QLatin1String(kEnglish)) return QStringLiteral("English");
  const QString name = QLocale(language).nativeLanguageName();
  return name.isEmpty() ? language : name.left(1).toUpper() + name.mid(1);
}

QString CLanguage::Saved() {
  CPersistable<QString, 1> saved{"Language"};
  saved.Load(GetModel().AppInfo);
  return saved.Get();
}

void CLanguage::Save(const QString& language) {
  CPersistable<QString, 1> saved{"Language"};
  saved.Load(GetModel().AppInfo);
  saved.Set(language);
  saved.Save(GetModel().AppInfo);
}

QString CLanguage::Choose(const QString& wanted) {
  const QStringList available = Available();
  if (available.contains(LanguageOf(wanted))) return LanguageOf(wanted);
  for (const QString& name : QLocale::system().uiLanguages())
    if (available.contains(LanguageOf(name))) return LanguageOf(name);
  return QString::fromLatin1(kEnglish);
}

void CLanguage::Install(const QString& language) {
  Uninstall();
  CurrentLanguage() = language;
  if (language == QLatin1String(kEnglish)) return;
  auto own = std::make_unique<QTranslator>();
  if (own->load(kPrefix + language, kResourceFolder)) Add(std::move(own));
  // Qt's own words: the standard buttons and the file and message dialogs.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    Add(std::move(qt));
}

void CLanguage::Uninstall() {
  for (const auto& translator : Installed()) QCoreApplication::removeTranslator(translator.get());
  Installed().clear();
  CurrentLanguage() = QString::fromLatin1(kEnglish);
}

QString CLanguage::Current() { return CurrentLanguage(); }
