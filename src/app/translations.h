#pragma once

class QCoreApplication;

namespace reelkeep {

// Loads the translations of the user's language (the system locale: LANGUAGE, LC_ALL, LANG)
// into the application: Reelkeep's own, compiled in under :/i18n, and Qt's, so that its print,
// file, colour and font dialogs and its standard buttons speak the same language. English and
// the C locale load nothing: the texts in the sources are English.
void LoadTranslations(QCoreApplication& app);

}  // namespace reelkeep
