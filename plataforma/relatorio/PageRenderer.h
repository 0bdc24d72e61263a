#pragma once

#include "plataforma/relatorio/ControlPainter.h"
#include "plataforma/relatorio/Page.h"
#include "plataforma/relatorio/Preflight.h"
#include "plataforma/relatorio/Problems.h"
#include "plataforma/relatorio/TextShaper.h"

#include <array>
#include <memory>
#include <vector>

class QPainter;

namespace plataforma::relatorio {

// Draws laid-out pages of a report. It takes the bands' controls as they are when it is made,
// binds their data, decodes their pictures and keeps the texts and bar codes it has drawn, so
// that each page costs only its drawing. Given the resolution of the device that prints the
// pages, in dots per inch, it draws bar codes on that device's dots; 0 draws exact vectors.
class PageRenderer {
public:
    explicit PageRenderer(Report& report, int resolution = 0);
    ~PageRenderer();
    PageRenderer(const PageRenderer&) = delete;
    PageRenderer& operator=(const PageRenderer&) = delete;

    // Draws the page on a painter whose user space is millimetres, with the origin at the
    // paper's top-left corner. Anything past the paper's edges is left for the device to cut.
    void render(QPainter& painter, const Page& page);

    // Checks every label of the page, the page's index given (see Preflight).
    void check(const Page& page, int index);

    // What the checks found and what could not be printed so far.
    const ProblemList& problems() const { return m_problems; }

private:
    ProblemList m_problems;
    Preflight m_preflight;
    TextShaper m_shaper;
    std::array<std::vector<std::unique_ptr<ControlPainter>>, 5> m_painters; // by BandKind
};

} // namespace plataforma::relatorio
