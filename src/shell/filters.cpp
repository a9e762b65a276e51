#include "shell/filters.h"

bool keyPasses(KeyFilter filter, QChar c)
{
    if (c == u'\b')
        return true;
    if (c >= u'0' && c <= u'9')
        return true;
    switch (filter) {
    case KeyFilter::SadeceRakam: return false;
    case KeyFilter::RakamVirgul: return c == u',';
    case KeyFilter::RakamNokta: return c == u'.';
    }
    return false;
}
