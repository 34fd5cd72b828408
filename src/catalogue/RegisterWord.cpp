#include "catalogue/RegisterWord.h"

int WordToValue(int word, const QString& modelCode) {
    if (modelCode == QLatin1String("Q7351S") || word <= 0x7FFF) {
        return word;
    }
    return word - 0x10000;
}
