#include "shell/form1.h"

#include "bom/bomfeature.h"
#include "ownsizes/ownsizecommands.h"
#include "reverse/reversedialog.h"
#include "sizesearch/sizesearchdialog.h"

// The features beyond the calculator, each a room of its own under src/, hang their commands on
// the main window here; the window itself knows none of them.
void Form1::attachFeatures()
{
    ReverseDialog::attachTo(*this);
    SizeSearchDialog::attachTo(*this, *grid());
    new OwnSizeCommands(this);
    BomFeature::attachTo(*this);
}
