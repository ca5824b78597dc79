#pragma once
// The main window's layout: its size rules are plain functions beside it.

#include "mainwindow/ActsLayoutRules.h"
