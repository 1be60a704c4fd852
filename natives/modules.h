// The native modules and their start and stop, in the order natives_init runs them.
#pragma once

int Cldc10Core_start();
void Cldc10Core_stop();
int Cldc10NetworkWin32_start();
void Cldc10NetworkWin32_stop();
int Cldc10PalmHttpWin32_start();
void Cldc10PalmHttpWin32_stop();
int Cldc10PalmCommWin32_start();
void Cldc10PalmCommWin32_stop();
int Cldc10StorageWin32_start();
void Cldc10StorageWin32_stop();
