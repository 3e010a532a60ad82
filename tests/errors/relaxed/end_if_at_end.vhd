-- the end of the input, read ahead after end if, is reported as the end
process begin if c then null; end if  
 -- x
