#include "app/fMain.h"

#include "app/Ferestre.h"
#include "platform/Ecran.h"
#include "platform/Panza.h"
#include "platform/Platforma.h"
#include "store/StergereFizica.h"
#include "store/mDefinitii.h"

#include <QMenuBar>

namespace {
constexpr int LatimeClient = Pixeli(16665);
constexpr int InaltimeClient = Pixeli(9540);
} // namespace

fMain::fMain(mDefinitii &definitii, Ferestre &ferestre, QWidget *parent)
    : FereastraFixa(parent), m_definitii(definitii), m_ferestre(ferestre),
      m_suprafata(new Panza(this))
{
    setWindowTitle(QStringLiteral("Main"));
    setCentralWidget(m_suprafata);

    auto adauga = [this](const QString &titlu, void (fMain::*handler)()) {
        QAction *a = menuBar()->addAction(titlu);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    mEditareTezaurel = adauga(QStringLiteral("Editare Tezaurel"), &fMain::fMain_mEditareTezaurel_Click);
    mVizualizareTezaurel =
        adauga(QStringLiteral("Vizualizare Tezaurel"), &fMain::fMain_mVizualizareTezaurel_Click);
    mStergereFizica = adauga(QStringLiteral("Stergere fizica"), &fMain::fMain_mStergereFizica_Click);
    mAjutor = adauga(QStringLiteral("Ajutor"), &fMain::fMain_mAjutor_Click);
    mIesire = adauga(QStringLiteral("Iesire"), &fMain::fMain_mIesire_Click);

    // Start from the designed client area; the banner later fits the width to its letters.
    m_suprafata->setMinimumSize(1, 1);
    resize(LatimeClient, InaltimeClient + menuBar()->sizeHint().height());
}

void fMain::fMain_Form_Load()
{
    m_definitii.IncarcaColectie();
    m_definitii.NrCapitole = 1;
    m_definitii.NrDiscipline = 1;
    m_definitii.SelectieNoua = Fals;
}

void fMain::resizeEvent(QResizeEvent *eveniment)
{
    FereastraFixa::resizeEvent(eveniment);
}

void fMain::fMain_mEditareTezaurel_Click()
{
    hide();
    m_ferestre.ArataEditor();
}

void fMain::fMain_mVizualizareTezaurel_Click()
{
    hide();
    m_ferestre.ArataVizualizare();
}

void fMain::fMain_mStergereFizica_Click()
{
    if (StergereFizica(m_definitii))
        fMain_Form_Load();
}

void fMain::fMain_mAjutor_Click()
{
    m_definitii.platforma().DeschideAjutor(m_definitii.DosarAplicatie() +
                                           QStringLiteral("/help/index.html"));
}

void fMain::fMain_mIesire_Click()
{
    m_ferestre.Iesire();
}
