signal s : bit;
;
