ENTITY Half_Adder IS
  PORT (a, b : IN Bit; s, c : OUT Bit);
END Half_Adder;

ARCHITECTURE Structural OF Half_Adder IS
  COMPONENT Xor2
    PORT (i0, i1 : IN Bit; o : OUT Bit);
  END COMPONENT;
  COMPONENT And2
    PORT (i0, i1 : IN Bit; o : OUT Bit);
  END COMPONENT;
  FOR x1 : Xor2 USE ENTITY Work.Xor2(Behav);
BEGIN
  x1 : Xor2 PORT MAP (a, b, s);
  a1 : And2 PORT MAP (i0 => a, i1 => b, o => c);
END Structural;

CONFIGURATION ha_cfg OF Half_Adder IS
  FOR Structural
    FOR a1 : And2
      USE ENTITY Work.And2(Behav) PORT MAP (i0 => i0, i1 => i1, o => o);
    END FOR;
  END FOR;
END ha_cfg;
