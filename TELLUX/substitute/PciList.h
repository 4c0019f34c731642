#ifndef PCI_LIST_H
#define PCI_LIST_H
/* The family's cards among the PCI devices that Linux lists, in the order of
 * their PCI addresses.  Nothing is cached: every call reads the list anew. */

#include <stdint.h>

/* A full PCI domain holds 256 buses of 32 devices of 8 functions, more than
 * any real machine has in all its domains together.  A device directory with
 * more entries than that is not a real device list and is refused whole. */
#define PCI_MAX_ENTRIES 65536

int32_t PciCountCards(void);
/* A descriptor of the card's device directory, which the caller closes; -1
 * for an index out of range or an unreadable list. */
int PciOpenCard(int32_t CardIndex);

#endif
