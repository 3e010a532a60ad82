process begin end process;
