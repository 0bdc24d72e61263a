#include "Iif.h"

namespace util {

Variante Iif(bool condicao, const Variante& seVerdadeiro, const Variante& seFalso) {
    return condicao ? seVerdadeiro : seFalso;
}

} // namespace util
