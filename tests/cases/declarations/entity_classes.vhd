-- Giving an attribute its value names the class of what it decorates; every
-- class word is written back as it stands.
package marks is
  attribute tag : integer;
  attribute tag of e : entity is 1;
  attribute tag of rtl : architecture is 2;
  attribute tag of marks : package is 3;
  attribute tag of cfg : configuration is 4;
  attribute tag of and2 : component is 5;
  attribute tag of l1, l2 : label is 6;
  attribute tag of word : type is 7;
  attribute tag of nibble : subtype is 8;
  attribute tag of reset : procedure is 9;
  attribute tag of "and" : function is 10;
  attribute tag of s : signal is 11;
  attribute tag of v : variable is 12;
  attribute tag of k : constant is 13;
end marks;
