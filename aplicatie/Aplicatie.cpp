#include "aplicatie/Aplicatie.h"

#include "aplicatie/Cautare.h"
#include "aplicatie/Comenzi.h"
#include "ferestre/banca/FereastraBanca.h"
#include "ferestre/comune/Ecran.h"
#include "ferestre/editare/FereastraEditare.h"
#include "ferestre/import/DialogDetaliiProblema.h"
#include "ferestre/lucrari/FereastraLucrare.h"
#include "ferestre/principala/FereastraPrincipala.h"
#include "ferestre/selectie/FereastraSelectie.h"
#include "ferestre/tiparire/FereastraTiparire.h"
#include "ferestre/vizualizare/FereastraVizualizare.h"
#include "interfete/Platforma.h"
#include "logica/banca/LucrareBanca.h"
#include "logica/banca/ModelBanca.h"
#include "logica/import/DetaliiProblema.h"
#include "logica/lucrari/CompunereLucrare.h"
#include "logica/tiparire/VerificareTiparire.h"
#include "model/AdaugareProbleme.h"
#include "model/Colectie.h"
#include "model/ColectieAleasa.h"
#include "model/ConversiePoze.h"
#include "model/SelectieCurenta.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTimer>

namespace tezaurel {

// A window is placed where it was left in the last run, or at the centre of
// the screen, on its first showing only; afterwards it reappears where the
// user left it. Either way it fits the screen.
void Aplicatie::Aseaza(QWidget &fereastra)
{
    if (fereastra.testAttribute(Qt::WA_WState_ExplicitShowHide))
        return;
    // Qt's own saved geometry lands a title bar lower on some platforms when
    // restored before the first showing; the frame's corner and the size do not.
    const QList<QByteArray> loc =
        CitesteAsezarea
            ? CitesteAsezarea(QString::fromLatin1(fereastra.metaObject()->className())).split(',')
            : QList<QByteArray>();
    if (loc.size() == 4)
        fereastra.resize(loc[2].toInt(), loc[3].toInt());
    IncapePeEcran(fereastra);
    if (loc.size() == 4)
        fereastra.move(loc[0].toInt(), loc[1].toInt());
    if (loc.size() != 4 || !PeEcran(fereastra))
        CentreazaPeEcran(fereastra);
}

void Aplicatie::ArataModeless(QWidget &fereastra)
{
    Aseaza(fereastra);
    fereastra.show();
    fereastra.raise();
    fereastra.activateWindow();
}

Aplicatie::Aplicatie(const DosareAplicatie &dosare, Platforma &platforma,
                     MotorRecunoastere recunoastere, FabricaImprimante imprimante,
                     std::function<void()> iesire, FabricaScannere scannere)
    : m_definitii(std::make_unique<Colectie>(dosare, platforma))
    // Made before anything else listens to the collection: the selection is
    // dropped when the collection is read again, before the others are told.
    , m_selectieCurenta(std::make_unique<SelectieCurenta>(*m_definitii))
    , m_cautare(std::make_unique<Cautare>(*m_selectieCurenta, recunoastere))
    , m_compunere(std::make_unique<CompunereLucrare>(m_definitii->Baza(), platforma,
                                                     m_definitii->CaleProbleme()))
    , m_lucrareBanca(std::make_unique<LucrareBanca>(m_definitii->Baza(), *m_compunere))
    , m_imprimante(std::move(imprimante))
    , m_recunoastere(std::move(recunoastere))
    , m_scannere(std::move(scannere))
    , m_iesire(iesire ? std::move(iesire) : [] { QCoreApplication::exit(0); })
{}

Aplicatie::~Aplicatie()
{
    if (!ScrieAsezarea)
        return;
    const QList<QWidget *> ferestre = {m_principala.get(), m_editor.get(),   m_vizualizare.get(),
                                       m_selectie.get(),   m_tiparire.get(), m_lucrare.get()};
    for (QWidget *f : ferestre)
        if (f && f->testAttribute(Qt::WA_WState_ExplicitShowHide))
            ScrieAsezarea(QString::fromLatin1(f->metaObject()->className()),
                          QByteArray::number(f->x()) + ',' + QByteArray::number(f->y()) + ',' +
                              QByteArray::number(f->width()) + ',' +
                              QByteArray::number(f->height()));
}

template <typename F, typename... A>
static F &Creeaza(std::unique_ptr<F> &fereastra, A &...argumente)
{
    if (!fereastra)
        fereastra = std::make_unique<F>(argumente...);
    return *fereastra;
}

FereastraPrincipala &Aplicatie::Principala()
{
    if (!m_principala) {
        Creeaza(m_principala, *m_selectieCurenta, static_cast<Ferestre &>(*this));
        m_principala->DeschideColectia = [this](const QString &dosar) { DeschideColectia(dosar); };
        m_principala->ColectiiRecente = [this] { return Colectii.Recente; };
        // After the original five, which keep their places and keys.
        QAction *banca = m_principala->menuBar()->addAction(QStringLiteral("Banca de probleme"));
        banca->setShortcut(Qt::CTRL | Qt::Key_B);
        QObject::connect(banca, &QAction::triggered, m_principala.get(), [this] { ArataBanca(); });
    }
    return *m_principala;
}
FereastraEditare &Aplicatie::Editor()
{
    if (!m_editor) {
        Creeaza(m_editor, *m_definitii, static_cast<Ferestre &>(*this));
        LeagaImportul(*m_editor, *m_definitii, m_recunoastere, m_scannere);
    }
    return *m_editor;
}
FereastraVizualizare &Aplicatie::Vizualizare()
{
    const bool nou = !m_vizualizare;
    Creeaza(m_vizualizare, *m_selectieCurenta, static_cast<Ferestre &>(*this));
    if (nou) {
        LeagaSchimbul(*m_vizualizare, *m_selectieCurenta);
        LeagaLucrarea(*m_vizualizare, *m_selectieCurenta, *m_compunere,
                      [this] { ArataModeless(Lucrare()); });
        m_cautare->Leaga(*m_vizualizare);
        QAction *banca = m_vizualizare->MeniuDe(FereastraVizualizare::Meniu::Vedere)
                             ->addAction(QStringLiteral("Banca de probleme"));
        banca->setShortcut(Qt::CTRL | Qt::Key_B);
        QObject::connect(banca, &QAction::triggered, m_vizualizare.get(), [this] { ArataBanca(); });
    }
    return *m_vizualizare;
}

FereastraSelectie &Aplicatie::Selectie()
{
    const bool nou = !m_selectie;
    Creeaza(m_selectie, *m_selectieCurenta, static_cast<Ferestre &>(*this));
    if (nou)
        m_cautare->Leaga(*m_selectie);
    return *m_selectie;
}
FereastraTiparire &Aplicatie::Tiparire()
{
    if (!m_tiparire)
        m_tiparire = std::make_unique<FereastraTiparire>(*m_selectieCurenta, m_imprimante());
    return *m_tiparire;
}

// A paper is laid out within the print dialog's margins as they stand.
MarginiLucrare Aplicatie::MarginiTiparire()
{
    FereastraTiparire &t = Tiparire();
    MarginiLucrare m;
    float *campuri[] = {&m.Stanga, &m.Dreapta, &m.Sus, &m.Jos};
    const auto texte = t.TexteMargini();
    for (int i = 0; i < 4; ++i)
        if (const auto cm = CitesteNumar(texte[i]); cm && *cm >= 0)
            *campuri[i] = float(*cm);
    return m;
}

FereastraLucrare &Aplicatie::Lucrare()
{
    if (!m_lucrare)
        m_lucrare = std::make_unique<FereastraLucrare>(
            *m_definitii, *m_compunere, [this] { return MarginiTiparire(); }, m_imprimante());
    return *m_lucrare;
}

FereastraBanca &Aplicatie::Banca()
{
    if (m_banca)
        return *m_banca;
    // Thumbnails are the user's, made again at will: never beside the collection.
    const QString miniaturi = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                              QStringLiteral("/miniaturi");
    m_banca = std::make_unique<FereastraBanca>(
        *m_definitii, *m_compunere, *m_lucrareBanca, miniaturi,
        [this] { return MarginiTiparire(); }, m_imprimante());
    FereastraBanca &banca = *m_banca;
    banca.Corecteaza = [this, &banca](int slot) {
        DialogDetaliiProblema forma(
            QStringLiteral("Corectează detaliile problemei"), QStringLiteral("Salvează"),
            DetaliiProblema::DinProblema(m_definitii->ProblemaDin(slot)),
            CapitoleExistente(*m_definitii), DisciplineExistente(*m_definitii), &banca);
        forma.Accepta = [this, slot](const DetaliiProblema &d) {
            return CorecteazaDetalii(*m_definitii, slot, d);
        };
        forma.exec();
    };
    banca.Ajutor = [this] {
        m_definitii->platforma().DeschideAjutor(m_definitii->DosarResurse() +
                                                QStringLiteral("/help/banca.html"));
    };
    // Pictures recognised meanwhile may now hold the words searched for.
    QObject::connect(&m_cautare->Fundal(), &RecunoastereFundal::Progres, &banca,
                     [&banca] { banca.Model().TextSchimbat(); });
    return banca;
}

void Aplicatie::ArataBanca()
{
    FereastraBanca &banca = Banca();
    const bool primaData = !banca.testAttribute(Qt::WA_WState_ExplicitShowHide);
    ArataModeless(banca);
    if (primaData)
        banca.CautaCuvinte(); // what a teacher starts with
}

void Aplicatie::Porneste(bool cuBanca)
{
    Principala().NumesteColectia(m_definitii->DosarAplicatie(), Colectii.Aleasa,
                                 Colectii.DoarCitire);
    Principala().Incarca();
    ArataPrincipala();
    // The window is drawn first: the database, the recovery and the
    // recognition wait for the event loop's first turn, so the teacher sees
    // Tezaurel at once rather than after all that.
    QTimer::singleShot(0, m_definitii.get(), [this, cuBanca] {
        PornesteRestul();
        if (cuBanca)
            ArataBanca();
    });
}

void Aplicatie::PornesteRestul()
{
    // The load says it already when the collection's file itself is read-only.
    if (Colectii.DoarCitire && m_definitii->RaportIncarcare().isEmpty())
        m_definitii->platforma().Mesaj(
            QStringLiteral("Colecția din %1 poate fi doar citită: nu aveți drept de scriere în "
                           "dosarul ei. Problemele se pot vedea și tipări, dar nu se poate salva, "
                           "șterge sau importa nimic.")
                .arg(QDir::toNativeSeparators(m_definitii->DosarAplicatie())));
    // What the load found wrong is told over the window, not before any is there.
    if (!m_definitii->RaportIncarcare().isEmpty())
        m_definitii->platforma().Mesaj(m_definitii->RaportIncarcare());
    // The collection works without the database: a damaged one is set aside
    // and the user told once the main window is there to be told over.
    BazaDate &baza = m_definitii->Baza();
    baza.Deschide();
    if (!baza.Raport().isEmpty())
        m_definitii->platforma().Mesaj(baza.Raport());
    m_lucrareBanca->Restaureaza();
    RecupereazaPozeleJurnalizate(*m_definitii);
    ConversiePoze::Converteste(*m_definitii);
    m_definitii->platforma().ArataAnunturile(m_definitii->IaAnunturile());
    // Every change, this program's or another's, is recognised and indexed.
    QObject::connect(m_definitii.get(), &Colectie::Schimbata, m_definitii.get(),
                     [this] { m_cautare->Actualizeaza(); });
    m_definitii->UrmaresteAltePrograme();
    m_cautare->Actualizeaza();
}

void Aplicatie::ArataPrincipala()
{
    ArataModeless(Principala());
}
void Aplicatie::ArataEditor()
{
    ArataModeless(Editor());
}
void Aplicatie::ArataVizualizare()
{
    ArataModeless(Vizualizare());
}
void Aplicatie::ArataSelectia()
{
    ArataModeless(Selectie());
}

void Aplicatie::ArataTiparirea()
{
    FereastraTiparire &dialog = Tiparire();
    dialog.setWindowModality(Qt::ApplicationModal);
    Aseaza(dialog);
    dialog.exec();
}

void Aplicatie::DeschideColectia(QString dosar)
{
    Platforma &platforma = m_definitii->platforma();
    if (!Colectii.Deschide)
        return;
    if (dosar.isEmpty())
        dosar = platforma.AlegeDosar(QFileInfo(m_definitii->DosarAplicatie()).path());
    if (dosar.isEmpty())
        return;
    if (const QString motiv = MotivDosarNepotrivit(dosar); !motiv.isEmpty())
        return platforma.Mesaj(motiv);
    if (!ContineColectie(dosar) &&
        !platforma.IntrebareDaNu(
            QStringLiteral("Dosarul %1 nu conține o colecție Tezaurel (fișierul Tezaurel.stn). "
                           "Începeți în el o colecție nouă?")
                .arg(QDir::toNativeSeparators(dosar))))
        return;
    Colectii.Deschide(QDir::cleanPath(QDir(dosar).absolutePath()));
}

void Aplicatie::Iesire()
{
    m_iesire();
}

} // namespace tezaurel
