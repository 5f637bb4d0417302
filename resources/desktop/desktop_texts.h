// The texts of the menu entry, the AppStream metadata and the manual page's NAME line, for lupdate only (this file is
// never compiled): merge_translations.py adds their translations to the installed files, and stops the build when
// one of those files holds a text that is missing here.
#pragma once

// rorovovo.desktop.in
QT_TRANSLATE_NOOP("Desktop", "Biorhythm Chart")
QT_TRANSLATE_NOOP("Desktop", "Draw the physical, emotional and intellectual rhythms of a birth date")
//: Search words of the menu entry: keep the semicolons, one after each word; more words may be added.
QT_TRANSLATE_NOOP("Desktop", "biorhythm;rhythm;cycle;chart;birthday;zodiac;")

// rorovovo.metainfo.xml.in
QT_TRANSLATE_NOOP("Desktop", "Draw the biorhythm chart of a birth date")
QT_TRANSLATE_NOOP("Desktop",
                  "Rorovovo draws a chart of the Physical (23 days), Emotional (28), Intellectual (33) and Intuitional "
                  "(38) rhythms of a person from a name and a birth date, with the Spiritual (53) and Aesthetics (48) "
                  "rhythms on request.")
QT_TRANSLATE_NOOP("Desktop", "Beside the chart it shows:")
QT_TRANSLATE_NOOP("Desktop", "today's day in each cycle with ring indicators")
QT_TRANSLATE_NOOP("Desktop", "the days lived, the age and the zodiac sign")
QT_TRANSLATE_NOOP("Desktop", "a short interpretation of today")
QT_TRANSLATE_NOOP("Desktop",
                  "Personal profiles are kept in the user's own settings file; a list of celebrities comes with the "
                  "program.")
QT_TRANSLATE_NOOP("Desktop", "The chart of a profile with today's rhythms beside it")
QT_TRANSLATE_NOOP("Desktop",
                  "Installs like any Linux program: a menu entry, settings in the user's home, and a command line.")

// Rorovovo.1.in, the NAME line
QT_TRANSLATE_NOOP("Desktop", "draw the biorhythm chart of a birth date")
