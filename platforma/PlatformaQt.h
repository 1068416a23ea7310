#pragma once

#include "interfete/Platforma.h"

#include <memory>

class QDialog;
namespace tezaurel {

class Sunet;

// The desktop's own services: Qt's message and input boxes with Romanian
// buttons, the desktop's file dialog, Qt Multimedia for sound, loaded at
// the first sound.
class PlatformaQt final : public Platforma
{
public:
    PlatformaQt();
    ~PlatformaQt() override;

    void Mesaj(const QString &text) override;
    bool IntrebareDaNu(const QString &text) override;
    std::optional<QString> CitesteText(const QString &intrebare) override;
    QString AlegeFisier(const QString &dosarInitial) override;
    QString AlegeDosar(const QString &dosarInitial) override;
    QString AlegeFisierSalvare(const QString &propus) override;
    void CantaSunet(const QString &cale) override;
    void DeschideAjutor(const QString &cale) override;
    bool StergeFisier(const QString &cale) override;

private:
    std::unique_ptr<Sunet> m_sunet;
    bool m_faraSunet = false;
    // The help shown inside Tezaurel where the desktop has no web browser.
    std::unique_ptr<QDialog> m_ajutor;
};

} // namespace tezaurel
