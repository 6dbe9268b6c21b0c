// placeholder until the shared dialogs land
