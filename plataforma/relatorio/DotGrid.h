#pragma once

namespace plataforma::relatorio {

// Lengths in millimetres on the grid of a device's dots, resolution dots per inch: a printer
// prints nothing thinner than a dot, and an edge between two dots goes to one or the other.

// The width of one dot.
double dotWidth(int resolution);

// The nearest multiple of a dot to a position measured from the paper's edge.
double onDotGrid(double millimetres, int resolution);

// The nearest whole number of dots to a width, never less than one dot.
double wholeDots(double millimetres, int resolution);

} // namespace plataforma::relatorio
