// Opening matches and deals, closing deals.
#pragma once

void StartMatch();
void StartDeal();
void EndDeal(int winner);
