// A library that needs a symbol nothing provides. Loading it with every symbol
// bound up front must fail; lazy binding would let it load and crash later.

#include <cstdint>

extern "C" int32_t KelDrvFakeSymbolNobodyDefines(void);

extern "C" __attribute__((visibility("default"))) int32_t CallsTheMissingSymbol(void)
{
    return KelDrvFakeSymbolNobodyDefines();
}
