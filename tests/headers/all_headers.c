#include "pendrake/PDSuites.h"
#include "pendrake/PanelEvent.h"

int header_check_placeholder(void);
int header_check_placeholder(void) { return (int)sizeof(PDPathSegment); }
