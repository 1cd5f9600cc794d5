// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/LanguageRegions.h"

#include <QHash>

namespace ql {
namespace {

const QHash<QString, QString>& regionOfLanguage() {
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        const auto file = [&t](const char* region, std::initializer_list<const char*> names) {
            for (const char* n : names)
                t.insert(n, region);
        };
        file("Western Europe", {"Catalan", "Dutch", "English", "French", "German", "Italian",
                                "Portuguese", "Spanish"});
        file("Northern Europe", {"Danish", "Estonian", "Finnish", "Icelandic", "Latvian",
                                 "Lithuanian", "Norwegian", "Swedish"});
        file("Central and Eastern Europe",
             {"Bulgarian", "Croatian", "Czech", "Greek", "Hungarian", "Polish", "Romanian",
              "Russian", "Serbian", "Slovak", "Slovenian", "Ukrainian"});
        file("Middle East and Africa",
             {"Amharic", "Arabic", "Georgian", "Hebrew", "Persian", "Swahili", "Turkish"});
        file("South Asia", {"Bengali", "Gujarati", "Hindi", "Kannada", "Marathi", "Punjabi",
                            "Tamil", "Telugu", "Urdu"});
        file("East and Southeast Asia", {"Cantonese", "Indonesian", "Japanese", "Korean", "Malay",
                                         "Mandarin", "Thai", "Vietnamese"});
        return t;
    }();
    return table;
}

} // namespace

const QStringList& LanguageRegions::regions() {
    static const QStringList order{
        "Western Europe",         "Northern Europe", "Central and Eastern Europe",
        "Middle East and Africa", "South Asia",      "East and Southeast Asia",
        "Other languages"};
    return order;
}

QString LanguageRegions::regionOf(const QString& entry) {
    const QString language = entry.section(" (", 0, 0).trimmed();
    return regionOfLanguage().value(language, regions().last());
}

} // namespace ql
