#pragma once

#include <clocale>
#include <cstdlib>
#include <locale>
#include <string>

/** Switches the process to a locale whose decimal separator is a comma, as some hosts do,
    and restores the previous locale when destroyed. isActive() is false when the machine
    has no such locale (generate one with: localedef -i de_DE -f UTF-8 de_DE.UTF-8).
*/
class CommaDecimalLocale
{
public:
    CommaDecimalLocale()
        : previousCLocale (std::setlocale (LC_ALL, nullptr)),
          previousGlobal (std::locale())
    {
        for (const char* name : { "de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8" })
        {
            try
            {
                std::locale::global (std::locale (name));
            }
            catch (const std::runtime_error&)
            {
                continue;
            }

            std::setlocale (LC_ALL, name);

            if (*std::localeconv()->decimal_point == ',')
            {
                active = true;
                return;
            }
        }

        restore();
    }

    ~CommaDecimalLocale()       { restore(); }

    bool isActive() const       { return active; }

private:
    void restore()
    {
        std::locale::global (previousGlobal);
        std::setlocale (LC_ALL, previousCLocale.c_str());
    }

    std::string previousCLocale;
    std::locale previousGlobal;
    bool active = false;
};

/** Skips a test on a machine without a comma-decimal locale; in CI (CI set), where
    the test script generates one, a missing locale fails the test instead.
*/
#define SKIP_WITHOUT_COMMA_LOCALE(locale) \
    if ((locale).isActive()) {} \
    else if (std::getenv ("CI") != nullptr) FAIL() << "CI without a comma-decimal locale: the test script must generate de_DE.UTF-8"; \
    else GTEST_SKIP() << "no comma-decimal locale installed; run: localedef -i de_DE -f UTF-8 de_DE.UTF-8"
