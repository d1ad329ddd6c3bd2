#include "features/features.h"

#include "bom/bomfeature.h"
#include "kindcatalogue/kindcatalogdialog.h"
#include "ownsizes/ownsizecommands.h"
#include "reverse/reversedialog.h"
#include "sizesearch/sizesearchdialog.h"
#include "surfacecommands/surfacecommands.h"

namespace Features {

// The order is the order of their entries in the shared context menus.
void attachTo(CalculatorHost &host)
{
    ReverseDialog::attachTo(host);
    SizeSearchDialog::attachTo(host);
    OwnSizeCommands::attachTo(host);
    BomFeature::attachTo(host);
    KindCatalogDialog::attachTo(host);
    SurfaceCommands::attachTo(host);
}

} // namespace Features
