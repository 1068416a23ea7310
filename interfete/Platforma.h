#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tezaurel {

inline const QString TitluAplicatie = QStringLiteral("Tezaurel");

// Every modal exchange with the user and every service of the desktop goes
// through here, so the logic runs without a screen and a test can script the
// answers and read back each text shown.
class Platforma
{
public:
    virtual ~Platforma() = default;

    // A message box titled TitluAplicatie, no icon, one OK button.
    virtual void Mesaj(const QString &text) = 0;
    // One box after another, as the store announced them.
    void ArataAnunturile(const QStringList &texte)
    {
        for (const QString &text : texte)
            Mesaj(text);
    }
    // The one Yes/No question; Yes is the default. True for Yes.
    virtual bool IntrebareDaNu(const QString &text) = 0;
    // A text-input box titled TitluAplicatie with no default text.
    // std::nullopt when the user cancels.
    virtual std::optional<QString> CitesteText(const QString &intrebare) = 0;
    // The open-file dialog starting in dosarInitial; "" when nothing was chosen.
    virtual QString AlegeFisier(const QString &dosarInitial) = 0;
    // The folder dialog starting in dosarInitial; "" when nothing was chosen.
    virtual QString AlegeDosar(const QString &dosarInitial) = 0;
    // The save dialog proposing the file propus (a full path); "" when cancelled.
    virtual QString AlegeFisierSalvare(const QString &propus) = 0;
    // Plays a sound file without waiting; the system beep when it is missing.
    virtual void CantaSunet(const QString &cale) = 0;
    // Asks the desktop to show the help; the outcome is not examined.
    virtual void DeschideAjutor(const QString &cale) = 0;
    // Deletes one file; true when it was deleted.
    virtual bool StergeFisier(const QString &cale) = 0;
};

} // namespace tezaurel
