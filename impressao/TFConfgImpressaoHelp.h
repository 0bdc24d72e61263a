#pragma once

#include <QDialog>
#include <QHash>
#include <QUrl>
#include <functional>

class QFrame;
class QLabel;
class QToolButton;

namespace impressao {

// The print hub, open while a label batch exists: from it the operator reaches the report
// designer, the catalogue of ready-made templates and the help video. A hint line explains the
// button under the mouse. Its only way out is the close box, with the cancel result: Escape and
// Enter do nothing, so the batch is never thrown away by a stray key.
class TFConfgImpressaoHelp : public QDialog {
    Q_OBJECT

public:
    // Shows the main window's report designer modally over the hub, which it receives as the
    // window to stay above.
    using MostrarDesigner = std::function<void(QWidget* hub)>;

    // Shows a new hub modally, centred over the active window, destroys it and returns its
    // modal result. An error of the program's own family that escapes the modal show is
    // swallowed without a word.
    static int AbrirConfigImpressao(MostrarDesigner ppDesigner1);

    // The help page that ships with the program: beside the executable in a build folder, in
    // the program's data folder once installed.
    static QUrl EnderecoVideo();

    explicit TFConfgImpressaoHelp(MostrarDesigner ppDesigner1, QWidget* parent = nullptr);

    void btnRelatorioEtiquetasClick();
    void btnModelosClick();
    void btnVideoClick();
    void btnRelatorioEtiquetasMouseMove();
    void btnModelosMouseMove();
    void btnVideoMouseMove();
    void FormMouseMove();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void montarCabecalho();
    void montarBotoes();
    void montarRodape();
    QToolButton* botao(const char* nome, int esquerda, const QString& texto, const QIcon& figura,
                       void (TFConfgImpressaoHelp::*clique)());
    // The mouse-move handler of each control; none for the header's labels.
    void acompanharMouse(QWidget* controle, void (TFConfgImpressaoHelp::*mouseMove)());

    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    QToolButton* btnModelos = nullptr;
    QToolButton* btnRelatorioEtiquetas = nullptr;
    QLabel* lblHint = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QToolButton* btnVideo = nullptr;
    MostrarDesigner m_ppDesigner1;
    QHash<QObject*, void (TFConfgImpressaoHelp::*)()> m_mouseMove;
};

} // namespace impressao
